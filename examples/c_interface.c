/* SPDX-License-Identifier: BSL-1.0 */
/* kaurl from C: a media URL read from UTF-8, its parts, and its local path. */
#undef NDEBUG /* the asserts state what the library returns: keep them in every build */
#include <assert.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <kaurl/kaurl.h>

//! [example]
/* A part in UTF-8 as a new C string, or NULL: the length first, then the text. */
static char* GetPart(const kaurl_url* url, int part) {
    size_t length = 0;
    char* text = NULL;
    if (kaurl_url_get_utf8(url, part, NULL, 0, &length) == KAURL_LONE_SURROGATE) {
        return NULL;
    }
    text = malloc(length + 1);
    if (text != NULL && kaurl_url_get_utf8(url, part, text, length, &length) == KAURL_OK) {
        text[length] = '\0';
        return text;
    }
    free(text);
    return NULL;
}

int main(void) {
    const char* text = "kamedia://wendelgrid\\media\\caf\xC3\xA9.mxf";
    kaurl_url* url = NULL;
    char* mountPoint = NULL;
    char path[256];
    size_t length = 0;
    int refusal = 0;
    int valid = 0;

    /* Create reads backslashes as slashes, as applications read media URLs. */
    if (kaurl_url_create_utf8(KAURL_CLASS_MEDIA, KAURL_READ_CREATE, text, strlen(text), &url) !=
        KAURL_OK) {
        return 1; /* out of memory */
    }
    kaurl_url_is_valid(url, &valid);
    assert(valid);
    mountPoint = GetPart(url, KAURL_PART_MOUNT_POINT);
    assert(mountPoint != NULL && strcmp(mountPoint, "wendelgrid") == 0);
    free(mountPoint);

    /* The checked local path below a mount path, or why it is refused. */
    if (kaurl_resolve_local_path_utf8(url, "/Volumes/Grid", 13, KAURL_SEPARATOR_SLASH, path,
                                      sizeof path, &length, &refusal) == KAURL_REFUSED) {
        fprintf(stderr, "refused: %s\n", kaurl_describe_refusal(refusal));
    } else {
        printf("%.*s\n", (int)length, path); /* /Volumes/Grid/media/café.mxf */
    }
    kaurl_url_free(url);
    return 0;
}
//! [example]
