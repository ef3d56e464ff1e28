/* SPDX-License-Identifier: BSL-1.0 */
/* The C interface from C99: every function, its arguments and its codes. */
#include <stdio.h>
#include <string.h>

#include <kaurl/kaurl.h>

static int failures = 0;

#define CHECK(condition, input)                                                        \
    do {                                                                               \
        if (!(condition)) {                                                            \
            fprintf(stderr, "line %d: %s (input: %s)\n", __LINE__, #condition, input); \
            ++failures;                                                                \
        }                                                                              \
    } while (0)

/* ASCII text widened to UTF-16; returns its length. */
static size_t Widen(const char* ascii, kaurl_char16* units) {
    size_t n = 0;
    for (; ascii[n] != '\0'; ++n) {
        units[n] = (kaurl_char16)(unsigned char)ascii[n];
    }
    return n;
}

/* Whether `units` holds exactly the ASCII text `expected`. */
static int Same(const kaurl_char16* units, size_t length, const char* expected) {
    size_t i = 0;
    if (length != strlen(expected)) {
        return 0;
    }
    for (; i < length; ++i) {
        if (units[i] != (kaurl_char16)(unsigned char)expected[i]) {
            return 0;
        }
    }
    return 1;
}

static kaurl_url* Make(int uriClass, int reading, const char* text) {
    kaurl_url* url = NULL;
    if (kaurl_url_create_utf8(uriClass, reading, text, strlen(text), &url) != KAURL_OK) {
        return NULL;
    }
    return url;
}

/* One part in UTF-8, as a C string ("?" when it cannot be had). */
static const char* Part(const kaurl_url* url, int part, char* buffer, size_t capacity) {
    size_t length = 0;
    if (kaurl_url_get_utf8(url, part, buffer, capacity - 1, &length) != KAURL_OK) {
        return "?";
    }
    buffer[length] = '\0';
    return buffer;
}

static void Objects(void) {
    static const struct {
        int uriClass, reading;
        const char* text;
        int expectedClass, valid, part;
        const char* value;
    } cases[] = {
        {KAURL_CLASS_BY_SCHEME, KAURL_READ_CONSTRUCTOR, "HTTPS://Host:8080/a", KAURL_CLASS_HTTP, 1,
         KAURL_PART_HOST, "host"},
        {KAURL_CLASS_BY_SCHEME, KAURL_READ_CONSTRUCTOR, "urn:isbn:1", KAURL_CLASS_GENERIC, 1,
         KAURL_PART_PATH, "isbn:1"},
        {KAURL_CLASS_MEDIA, KAURL_READ_CREATE, "kamedia://grid\\media\\a.mxf", KAURL_CLASS_MEDIA, 1,
         KAURL_PART_MOUNT_POINT, "grid"},
        {KAURL_CLASS_MEDIA, KAURL_READ_CONSTRUCTOR, "kamedia://grid\\media\\a.mxf",
         KAURL_CLASS_MEDIA, 1, KAURL_PART_MOUNT_POINT, "grid\\media\\a.mxf"},
        {KAURL_CLASS_MEDIA, KAURL_READ_CREATE, "kamedia://grid/a.b.mxf", KAURL_CLASS_MEDIA, 1,
         KAURL_PART_FILE_EXTENSION, "mxf"},
        {KAURL_CLASS_HTTP, KAURL_READ_CREATE, "ftp://x/", KAURL_CLASS_HTTP, 0,
         KAURL_PART_URI_STRING, ""},
        {KAURL_CLASS_HTTP, KAURL_READ_CONSTRUCTOR, "ftp://x/", KAURL_CLASS_HTTP, 0,
         KAURL_PART_URI_STRING, "ftp://x/"},
        {KAURL_CLASS_FILE, KAURL_READ_CONSTRUCTOR, "file://fileserver", KAURL_CLASS_FILE, 0,
         KAURL_PART_HOST, "fileserver"},
        {KAURL_CLASS_FILE, KAURL_READ_CREATE, "file:///C:/a.mxf", KAURL_CLASS_FILE, 1,
         KAURL_PART_FILE_NAME, "a.mxf"},
        {KAURL_CLASS_SYNTHETIC, KAURL_READ_CONSTRUCTOR, "kasynthetic://colour/bars",
         KAURL_CLASS_SYNTHETIC, 1, KAURL_PART_SYNTHETIC_IMPORTER_ID, "colour"},
        {KAURL_CLASS_GENERIC, KAURL_READ_CONSTRUCTOR, "//server/share", KAURL_CLASS_GENERIC, 0,
         KAURL_PART_HOST, "server"},
        {KAURL_CLASS_GENERIC, KAURL_READ_CREATE, "http://joe@h:1/p?q#f", KAURL_CLASS_GENERIC, 1,
         KAURL_PART_USER_INFO, "joe"},
    };
    size_t i = 0;
    for (; i < sizeof cases / sizeof cases[0]; ++i) {
        char buffer[64];
        int uriClass = -1;
        int valid = -1;
        kaurl_url* url = Make(cases[i].uriClass, cases[i].reading, cases[i].text);
        CHECK(url != NULL, cases[i].text);
        CHECK(kaurl_url_class(url, &uriClass) == KAURL_OK, cases[i].text);
        CHECK(uriClass == cases[i].expectedClass, cases[i].text);
        CHECK(kaurl_url_is_valid(url, &valid) == KAURL_OK, cases[i].text);
        CHECK(valid == cases[i].valid, cases[i].text);
        CHECK(strcmp(Part(url, cases[i].part, buffer, sizeof buffer), cases[i].value) == 0,
              cases[i].text);
        kaurl_url_free(url);
    }
}

static void Ports(void) {
    static const struct {
        const char* text;
        int port;
    } cases[] = {{"http://h:8080/", 8080}, {"https://h/", 443}, {"http://h/", 80}};
    size_t i = 0;
    for (; i < sizeof cases / sizeof cases[0]; ++i) {
        int port = 0;
        kaurl_url* url = Make(KAURL_CLASS_HTTP, KAURL_READ_CONSTRUCTOR, cases[i].text);
        CHECK(kaurl_url_port_number(url, &port) == KAURL_OK && port == cases[i].port,
              cases[i].text);
        kaurl_url_free(url);
    }
}

static void Arguments(void) {
    kaurl_char16 units[16];
    char bytes[16];
    size_t length = 99;
    int number = 0;
    kaurl_url* url = NULL;
    kaurl_url* media = Make(KAURL_CLASS_MEDIA, KAURL_READ_CREATE, "kamedia://grid/a.mxf");
    CHECK(kaurl_url_create(KAURL_CLASS_GENERIC, KAURL_READ_CREATE, NULL, 1, &url) ==
              KAURL_BAD_ARGUMENT,
          "null text, length 1");
    CHECK(kaurl_url_create_utf8(KAURL_CLASS_GENERIC, KAURL_READ_CREATE, NULL, 1, &url) ==
              KAURL_BAD_ARGUMENT,
          "null UTF-8 text, length 1");
    CHECK(kaurl_url_create(KAURL_CLASS_GENERIC, KAURL_READ_CONSTRUCTOR, NULL, 0, &url) == KAURL_OK,
          "null text, length 0");
    CHECK(kaurl_url_get(url, KAURL_PART_URI_STRING, NULL, 0, &length) == KAURL_OK && length == 0,
          "null text, length 0");
    kaurl_url_free(url);
    CHECK(kaurl_url_create(6, KAURL_READ_CREATE, units, 0, &url) == KAURL_BAD_ARGUMENT, "class 6");
    CHECK(kaurl_url_create(-1, KAURL_READ_CREATE, units, 0, &url) == KAURL_BAD_ARGUMENT,
          "class -1");
    CHECK(kaurl_url_create(0, 2, units, 0, &url) == KAURL_BAD_ARGUMENT, "reading 2");
    CHECK(kaurl_url_create(0, 0, units, 0, NULL) == KAURL_BAD_ARGUMENT, "null handle");
    CHECK(kaurl_url_create_utf8(0, 0, "a:\xC3", 3, &url) == KAURL_ILL_FORMED_UTF8, "a:\\xC3");
    CHECK(kaurl_url_class(NULL, &number) == KAURL_BAD_ARGUMENT, "null handle");
    CHECK(kaurl_url_is_valid(media, NULL) == KAURL_BAD_ARGUMENT, "null out");
    CHECK(kaurl_url_get(media, 13, units, 16, &length) == KAURL_BAD_ARGUMENT, "part 13");
    CHECK(kaurl_url_get(media, -1, units, 16, &length) == KAURL_BAD_ARGUMENT, "part -1");
    CHECK(kaurl_url_get(media, KAURL_PART_PATH, NULL, 4, &length) == KAURL_BAD_ARGUMENT,
          "null buffer");
    CHECK(kaurl_url_get_utf8(media, KAURL_PART_PATH, bytes, 16, NULL) == KAURL_BAD_ARGUMENT,
          "null length");
    CHECK(kaurl_url_get(media, KAURL_PART_SYNTHETIC_IMPORTER_ID, units, 16, &length) ==
              KAURL_WRONG_CLASS,
          "importer id of a media URL");
    CHECK(kaurl_url_port_number(media, &number) == KAURL_WRONG_CLASS, "port of a media URL");
    CHECK(kaurl_url_port_number(NULL, &number) == KAURL_BAD_ARGUMENT, "null handle");
    kaurl_url_free(media);
    kaurl_url_free(NULL);
}

static void Buffers(void) {
    static const kaurl_char16 withNul[] = {'a', ':', 0, 'b'};
    static const kaurl_char16 lone[] = {'a', ':', 0xD800, 'b'};
    kaurl_char16 units[8] = {7, 7, 7, 7, 7, 7, 7, 7};
    char bytes[8] = {7, 7, 7, 7, 7, 7, 7, 7};
    size_t length = 0;
    kaurl_url* url = NULL;
    CHECK(kaurl_url_create(0, 0, withNul, 4, &url) == KAURL_OK, "a:\\0b");
    CHECK(kaurl_url_get(url, KAURL_PART_PATH, units, 1, &length) == KAURL_BUFFER_TOO_SMALL &&
              length == 2 && units[0] == 7,
          "a:\\0b");
    CHECK(kaurl_url_get(url, KAURL_PART_PATH, units, 2, &length) == KAURL_OK && length == 2 &&
              units[0] == 0 && units[1] == 'b' && units[2] == 7,
          "a:\\0b");
    kaurl_url_free(url);
    CHECK(kaurl_url_create(0, 0, lone, 4, &url) == KAURL_OK, "a:\\uD800b");
    CHECK(kaurl_url_get_utf8(url, KAURL_PART_PATH, bytes, 8, &length) == KAURL_LONE_SURROGATE &&
              bytes[0] == 7,
          "a:\\uD800b");
    CHECK(kaurl_url_get(url, KAURL_PART_PATH, units, 8, &length) == KAURL_OK && length == 2 &&
              units[0] == 0xD800,
          "a:\\uD800b");
    kaurl_url_free(url);
    url = Make(0, 0, "a:caf\xC3\xA9");
    CHECK(kaurl_url_get_utf8(url, KAURL_PART_PATH, bytes, 4, &length) == KAURL_BUFFER_TOO_SMALL &&
              length == 5 && bytes[0] == 7,
          "a:caf\\xC3\\xA9");
    CHECK(kaurl_url_get_utf8(url, KAURL_PART_PATH, bytes, 5, &length) == KAURL_OK &&
              memcmp(bytes, "caf\xC3\xA9", 5) == 0,
          "a:caf\\xC3\\xA9");
    kaurl_url_free(url);
}

static void Composition(void) {
    kaurl_char16 mount[16], path[16], units[64];
    size_t length = 0;
    kaurl_url* url = NULL;
    const size_t mountLength = Widen("wendelgrid", mount);
    const size_t pathLength = Widen("/media/a.mxf", path);
    CHECK(kaurl_compose_media(mount, mountLength, path, pathLength, &url) == KAURL_OK &&
              kaurl_url_get(url, KAURL_PART_URI_STRING, units, 64, &length) == KAURL_OK &&
              Same(units, length, "kamedia://wendelgrid/media%2Fa.mxf"),
          "wendelgrid");
    kaurl_url_free(url);
    url = NULL;
    CHECK(kaurl_compose_media(NULL, 0, path, pathLength, &url) == KAURL_REFUSED && url == NULL,
          "empty mount point");
    CHECK(kaurl_compose_media(mount, mountLength, NULL, 1, &url) == KAURL_BAD_ARGUMENT,
          "null path");
    CHECK(kaurl_compose_synthetic(mount, Widen("Importer-7", mount), &url) == KAURL_OK &&
              kaurl_url_get(url, KAURL_PART_URI_STRING, units, 64, &length) == KAURL_OK &&
              Same(units, length, "kasynthetic://Importer-7"),
          "Importer-7");
    kaurl_url_free(url);
    CHECK(kaurl_compose_synthetic(mount, Widen("/x", mount), &url) == KAURL_REFUSED, "/x");
    CHECK(kaurl_compose_synthetic(mount, 1, NULL) == KAURL_BAD_ARGUMENT, "null handle");
}

static void LocalPaths(void) {
    static const struct {
        const char* uri;
        int separator;
        kaurl_status status;
        int refusal;
        const char* path;
    } cases[] = {
        {"kamedia://grid/media/a%20b.mxf", KAURL_SEPARATOR_SLASH, KAURL_OK, -1,
         "/Volumes/Grid/media/a b.mxf"},
        {"kamedia://grid/media/a.mxf", KAURL_SEPARATOR_BACKSLASH, KAURL_OK, -1,
         "/Volumes/Grid\\media\\a.mxf"},
        {"kamedia://grid/..%2Fetc", KAURL_SEPARATOR_SLASH, KAURL_REFUSED,
         KAURL_REFUSAL_LEAVES_MOUNT_POINT, ""},
        {"kamedia://grid/", KAURL_SEPARATOR_NATIVE, KAURL_REFUSED, KAURL_REFUSAL_NAMES_NO_FILE, ""},
        {"kamedia://grid/a%G1", KAURL_SEPARATOR_NATIVE, KAURL_REFUSED,
         KAURL_REFUSAL_MALFORMED_ESCAPE, ""},
        {"kamedia://grid/a.mxf", 3, KAURL_BAD_ARGUMENT, -1, ""},
    };
    kaurl_char16 mount[16], units[64];
    size_t i = 0;
    const size_t mountLength = Widen("/Volumes/Grid", mount);
    for (; i < sizeof cases / sizeof cases[0]; ++i) {
        size_t length = 0;
        int refusal = -1;
        kaurl_url* url = Make(KAURL_CLASS_MEDIA, KAURL_READ_CREATE, cases[i].uri);
        const kaurl_status status = kaurl_resolve_local_path(
            url, mount, mountLength, cases[i].separator, units, 64, &length, &refusal);
        CHECK(status == cases[i].status && refusal == cases[i].refusal, cases[i].uri);
        CHECK(status != KAURL_OK || Same(units, length, cases[i].path), cases[i].uri);
        kaurl_url_free(url);
    }
}

static void LocalPathsInUtf8(void) {
    char path[64];
    size_t length = 0;
    int refusal = -1;
    kaurl_url* media = Make(KAURL_CLASS_MEDIA, KAURL_READ_CREATE, "kamedia://grid/%C3%A9t%C3%A9");
    kaurl_url* http = Make(KAURL_CLASS_HTTP, KAURL_READ_CREATE, "http://h/a");
    CHECK(kaurl_resolve_local_path_utf8(media, "/m", 2, KAURL_SEPARATOR_SLASH, path, 64, &length,
                                        NULL) == KAURL_OK &&
              length == 8 && memcmp(path, "/m/\xC3\xA9t\xC3\xA9", 8) == 0,
          "/m");
    CHECK(kaurl_resolve_local_path_utf8(media, "/\xFF", 2, KAURL_SEPARATOR_SLASH, path, 64, &length,
                                        NULL) == KAURL_ILL_FORMED_UTF8,
          "/\\xFF");
    CHECK(kaurl_resolve_local_path_utf8(http, "/m", 2, KAURL_SEPARATOR_SLASH, path, 64, &length,
                                        &refusal) == KAURL_WRONG_CLASS &&
              refusal == -1,
          "http");
    kaurl_url_free(media);
    kaurl_url_free(http);
}

static void Substitution(void) {
    kaurl_char16 mount[16], units[64];
    size_t length = 0;
    kaurl_url* url = Make(KAURL_CLASS_MEDIA, KAURL_READ_CONSTRUCTOR,
                          "kamedia://wendelgrid/%2E%2E/%2E%2E/etc/passwd");
    kaurl_url* http = Make(KAURL_CLASS_HTTP, KAURL_READ_CREATE, "http://h/a");
    const size_t mountLength = Widen("/Volumes/Grid", mount);
    CHECK(kaurl_substitute_mount_point(url, mount, mountLength, units, 64, &length) == KAURL_OK &&
              Same(units, length, "/Volumes/Grid\\..\\..\\etc\\passwd"),
          "%2E%2E");
    CHECK(kaurl_substitute_mount_point(http, mount, mountLength, units, 64, &length) ==
              KAURL_WRONG_CLASS,
          "http");
    kaurl_url_free(url);
    kaurl_url_free(http);
}

enum { RESOLVE, NORMALIZE, RELATIVE, ENCODE, DECODE };

/* One relation of the texts `first` and `second` into `units`. */
static kaurl_status Relate(int relation, const char* first, const char* second, int option,
                           kaurl_char16* units, size_t* length) {
    kaurl_char16 one[64], other[64];
    const size_t oneLength = Widen(first, one), otherLength = Widen(second, other);
    switch (relation) {
        case RESOLVE:
            return kaurl_resolve_reference(one, oneLength, other, otherLength, option, units, 64,
                                           length);
        case NORMALIZE:
            return kaurl_normalize(one, oneLength, option, units, 64, length);
        case RELATIVE:
            return kaurl_make_relative(one, oneLength, other, otherLength, units, 64, length);
        case ENCODE:
            return kaurl_encode_component(one, oneLength, option, units, 64, length);
        default:
            return kaurl_decode_component(one, oneLength, units, 64, length);
    }
}

static void Relations(void) {
    static const struct {
        int relation;
        const char *first, *second;
        int option;
        kaurl_status status;
        const char* result;
    } cases[] = {
        {RESOLVE, "http://a/b/c/d;p?q", "../g", 0, KAURL_OK, "http://a/b/g"},
        {RESOLVE, "http://a/b/c/d;p?q", "http:g", 0, KAURL_OK, "http:g"},
        {RESOLVE, "http://a/b/c/d;p?q", "http:g", KAURL_RESOLVE_NON_STRICT, KAURL_OK,
         "http://a/b/c/g"},
        {RESOLVE, "kamedia://grid/media%2Fa.mxf", "b.mxf", KAURL_RESOLVE_MEDIA_RULE, KAURL_OK,
         "kamedia://grid/media/b.mxf"},
        {RESOLVE, "kamedia://grid/media%2Fa.mxf", "b.mxf", 0, KAURL_OK, "kamedia://grid/b.mxf"},
        {RESOLVE, "relative/path", "g", 0, KAURL_REFUSED, ""},
        {RESOLVE, "http://a/", "g", 4, KAURL_BAD_ARGUMENT, ""},
        {NORMALIZE, "HTTP://Example.ORG:80/a/./b/../c%7e", "", KAURL_NORMALIZE_SCHEME, KAURL_OK,
         "http://example.org/a/c~"},
        {NORMALIZE, "HTTP://Example.ORG:80/a/./b/../c%7e", "", KAURL_NORMALIZE_SYNTAX, KAURL_OK,
         "http://example.org:80/a/c~"},
        {NORMALIZE, "http://a/", "", 2, KAURL_BAD_ARGUMENT, ""},
        {RELATIVE, "kamedia://g/projects/s/e.xml", "kamedia://g/projects/m/c.wav", 0, KAURL_OK,
         "../m/c.wav"},
        {RELATIVE, "http://a/b/c", "http://other/b/c", 0, KAURL_OK, "//other/b/c"},
        {RELATIVE, "http://a/b/c", "http://a/b/c#f", 0, KAURL_OK, "#f"},
        {RELATIVE, "a/b", "http://a/b", 0, KAURL_REFUSED, ""},
        {ENCODE, "a b/c", "", KAURL_ENCODE_COMPONENT, KAURL_OK, "a%20b%2Fc"},
        {ENCODE, "a b/c", "", KAURL_ENCODE_PATH, KAURL_OK, "a%20b/c"},
        {ENCODE, "a", "", 2, KAURL_BAD_ARGUMENT, ""},
        {DECODE, "a%20b+", "", 0, KAURL_OK, "a b+"},
        {DECODE, "a%G1", "", 0, KAURL_REFUSED, ""},
        {DECODE, "%C3", "", 0, KAURL_REFUSED, ""},
    };
    size_t i = 0;
    for (; i < sizeof cases / sizeof cases[0]; ++i) {
        kaurl_char16 units[64];
        size_t length = 0;
        const kaurl_status status = Relate(cases[i].relation, cases[i].first, cases[i].second,
                                           cases[i].option, units, &length);
        CHECK(status == cases[i].status, cases[i].first);
        CHECK(status != KAURL_OK || Same(units, length, cases[i].result), cases[i].first);
    }
}

static void Equivalence(void) {
    static const kaurl_char16 lone[] = {0xDC00};
    kaurl_char16 one[64], other[64], units[8];
    const size_t oneLength = Widen("HTTP://H:80/a/./b/../c", one);
    const size_t otherLength = Widen("http://h/a/c", other);
    size_t length = 0;
    int equivalent = -1;
    CHECK(kaurl_are_equivalent(one, oneLength, other, otherLength, KAURL_NORMALIZE_SCHEME,
                               &equivalent) == KAURL_OK &&
              equivalent == 1,
          "scheme-based");
    CHECK(kaurl_are_equivalent(one, oneLength, other, otherLength, KAURL_NORMALIZE_SYNTAX,
                               &equivalent) == KAURL_OK &&
              equivalent == 0,
          "syntax-based");
    CHECK(kaurl_are_equivalent(one, oneLength, NULL, 1, 0, &equivalent) == KAURL_BAD_ARGUMENT,
          "null text");
    CHECK(kaurl_encode_component(lone, 1, KAURL_ENCODE_PATH, units, 8, &length) == KAURL_REFUSED,
          "lone surrogate");
}

static void DisplayNames(void) {
    static const struct {
        const char* uri;
        kaurl_status status;
        int refusal;
        const char* name;
    } cases[] = {
        {"kamedia://grid/news%20desk%2Fa.mxf", KAURL_OK, -1, "a.mxf"},
        {"kamedia://grid/a/..%2F", KAURL_REFUSED, KAURL_REFUSAL_LEAVES_MOUNT_POINT, ""},
        {"kamedia://grid/a%E2%80%AEb", KAURL_REFUSED, KAURL_REFUSAL_INVISIBLE_CHARACTER, ""},
        {"kamedia:///a.mxf", KAURL_REFUSED, KAURL_REFUSAL_INVALID_URL, ""},
    };
    size_t i = 0;
    for (; i < sizeof cases / sizeof cases[0]; ++i) {
        kaurl_char16 units[64];
        char bytes[64];
        size_t length = 0;
        int refusal = -1;
        kaurl_url* url = Make(KAURL_CLASS_MEDIA, KAURL_READ_CREATE, cases[i].uri);
        CHECK(kaurl_display_name(url, units, 64, &length, &refusal) == cases[i].status &&
                  refusal == cases[i].refusal,
              cases[i].uri);
        CHECK(cases[i].status != KAURL_OK || Same(units, length, cases[i].name), cases[i].uri);
        CHECK(kaurl_display_name_utf8(url, bytes, 64, &length, NULL) == cases[i].status,
              cases[i].uri);
        CHECK(cases[i].status != KAURL_OK || memcmp(bytes, cases[i].name, length) == 0,
              cases[i].uri);
        kaurl_url_free(url);
    }
}

static void Texts(void) {
    int status = KAURL_OK;
    CHECK(strstr(kaurl_describe_refusal(KAURL_REFUSAL_LEAVES_MOUNT_POINT), "'..'") != NULL, "5");
    CHECK(strcmp(kaurl_describe_refusal(999), "unknown reason") == 0, "999");
    for (; status <= KAURL_FAILED; ++status) {
        CHECK(strcmp(kaurl_status_text(status), kaurl_status_text(status + 1)) != 0, "status");
    }
    CHECK(strcmp(kaurl_status_text(999), "unknown status") == 0, "999");
}

static void SelfTest(void) {
    char trace[128];
    size_t traceLength = 0, reportLength = 0;
    int passed = -1, failed = -1;
    CHECK(kaurl_self_test(&passed, &failed, NULL, 0, &traceLength, NULL, 0, &reportLength) ==
                  KAURL_BUFFER_TOO_SMALL &&
              passed == -1 && traceLength > 0 && reportLength == 0,
          "no buffer");
    CHECK(kaurl_self_test(&passed, &failed, trace, sizeof trace, &traceLength, NULL, 0,
                          &reportLength) == KAURL_OK &&
              passed == 1 && failed == 0 && memcmp(trace, "kaurl: Begin default test\r\n", 27) == 0,
          "buffer");
    CHECK(kaurl_self_test(NULL, &failed, NULL, 0, &traceLength, NULL, 0, &reportLength) ==
              KAURL_BAD_ARGUMENT,
          "null passed count");
    CHECK(kaurl_self_test(&passed, NULL, NULL, 0, &traceLength, NULL, 0, &reportLength) ==
              KAURL_BAD_ARGUMENT,
          "null failed count");
}

int main(void) {
    Objects();
    Ports();
    Arguments();
    Buffers();
    Composition();
    LocalPaths();
    LocalPathsInUtf8();
    Substitution();
    Relations();
    Equivalence();
    DisplayNames();
    Texts();
    SelfTest();
    if (failures > 0) {
        fprintf(stderr, "%d checks failed\n", failures);
    }
    return failures == 0 ? 0 : 1;
}
