/* SPDX-License-Identifier: BSL-1.0 */
#ifndef KAURL_KAURL_H
#define KAURL_KAURL_H

/**
 * @file
 * The C interface of kaurl: C99, no C++ type, for any compiler and any
 * language with a C foreign-function interface.
 *
 * - **Texts** in are UTF-16 code units (kaurl_char16) or, in the functions
 *   whose names end in `_utf8`, UTF-8 bytes, each with its length in code
 *   units or bytes and no terminator; a text may hold NUL. A null pointer with
 *   length 0 is the empty text; with a length above 0 it is
 *   ::KAURL_BAD_ARGUMENT.
 * - **Texts** out go to the caller's buffer: `capacity` is its size in code
 *   units or bytes, and `*length` receives the text's length. When the buffer
 *   is too small nothing is written and the answer is
 *   ::KAURL_BUFFER_TOO_SMALL with the length needed, so a first call with a
 *   null buffer and capacity 0 asks for the length. No terminator is written.
 *   A UTF-8 answer that would hold a lone surrogate is ::KAURL_LONE_SURROGATE.
 * - **Errors** are status codes (kaurl_status); no exception leaves a function
 *   and an allocation failure is ::KAURL_OUT_OF_MEMORY. A function that does
 *   not answer ::KAURL_OK leaves every output untouched, except `*length`
 *   after ::KAURL_BUFFER_TOO_SMALL and `*refusal` after ::KAURL_REFUSED.
 * - **Objects** are opaque handles (kaurl_url) of one URI class each, chosen
 *   when the handle is made. Distinct handles may be used on any threads; the
 *   functions that take a `const kaurl_url*` may run concurrently on one.
 * - **Enumerations** are passed as `int`, so that any value a caller passes is
 *   answered (::KAURL_BAD_ARGUMENT for one outside its enumeration).
 *
 * @snippet c_interface.c example
 */

#include <stddef.h>
#include <stdint.h>

#include "kaurl/Export.h"

#ifdef __cplusplus
extern "C" {
#endif

/** One UTF-16 code unit; C99 has no char16_t. */
typedef uint16_t kaurl_char16;

/** What a function of the C interface answers. */
typedef enum kaurl_status {
    KAURL_OK = 0,               /**< Done; the outputs are filled. */
    KAURL_REFUSED = 1,          /**< The answer is no: the text is refused, see the function. */
    KAURL_BAD_ARGUMENT = 2,     /**< A null pointer, a value outside its enumeration. */
    KAURL_BUFFER_TOO_SMALL = 3, /**< Nothing written; `*length` holds the length needed. */
    KAURL_LONE_SURROGATE = 4,   /**< The UTF-8 answer would hold a lone surrogate. */
    KAURL_ILL_FORMED_UTF8 = 5,  /**< A UTF-8 text in is not well-formed. */
    KAURL_WRONG_CLASS = 6,      /**< The part or function does not belong to the handle's class. */
    KAURL_OUT_OF_MEMORY = 7,    /**< An allocation failed. */
    KAURL_FAILED = 8            /**< Another failure, such as a locale facet that threw. */
} kaurl_status;

/** The URI classes: the generic URI and the four scheme classes. */
typedef enum kaurl_class {
    KAURL_CLASS_GENERIC = 0,   /**< Any URI (kaurl::URI). */
    KAURL_CLASS_MEDIA = 1,     /**< kamedia URLs (kaurl::kamedia::URL). */
    KAURL_CLASS_SYNTHETIC = 2, /**< kasynthetic URLs (kaurl::kasynthetic::URL). */
    KAURL_CLASS_FILE = 3,      /**< file URLs (kaurl::file::URL). */
    KAURL_CLASS_HTTP = 4,      /**< http and https URLs (kaurl::http::URL). */
    /** At creation only: the class of the text's scheme, else the generic one. */
    KAURL_CLASS_BY_SCHEME = 5
} kaurl_class;

/** How a text becomes an object. */
typedef enum kaurl_reading {
    /** The class's constructor: always an object, valid or not. */
    KAURL_READ_CONSTRUCTOR = 0,
    /** The class's Create: a text that Create refuses gives an empty, invalid
     * object. Create of the media class reads backslashes as slashes. */
    KAURL_READ_CREATE = 1
} kaurl_reading;

/** The parts that kaurl_url_get returns; each as the getter of that name. */
typedef enum kaurl_part {
    KAURL_PART_URI_STRING = 0,            /**< The text as given (every class). */
    KAURL_PART_SCHEME = 1,                /**< Lower case (every class). */
    KAURL_PART_AUTHORITY = 2,             /**< Every class. */
    KAURL_PART_USER_INFO = 3,             /**< Every class. */
    KAURL_PART_HOST = 4,                  /**< Lower case (every class). */
    KAURL_PART_PORT = 5,                  /**< The port text (every class). */
    KAURL_PART_PATH = 6,                  /**< Every class. */
    KAURL_PART_QUERY = 7,                 /**< Every class. */
    KAURL_PART_FRAGMENT = 8,              /**< Every class. */
    KAURL_PART_MOUNT_POINT = 9,           /**< Media only. */
    KAURL_PART_FILE_NAME = 10,            /**< Media and file. */
    KAURL_PART_FILE_EXTENSION = 11,       /**< Media and file. */
    KAURL_PART_SYNTHETIC_IMPORTER_ID = 12 /**< Synthetic only. */
} kaurl_part;

/** The separator between the names of a local path. */
typedef enum kaurl_separator {
    KAURL_SEPARATOR_NATIVE = 0,   /**< The backslash on Windows, "/" elsewhere. */
    KAURL_SEPARATOR_SLASH = 1,    /**< "/". */
    KAURL_SEPARATOR_BACKSLASH = 2 /**< The backslash. */
} kaurl_separator;

/**
 * Why kaurl_resolve_local_path or kaurl_display_name refused a URL: the values of
 * kaurl::kamedia::LocalPathRefusal. Later releases add values: a caller must
 * accept any other value (kaurl_describe_refusal words every one).
 */
enum kaurl_refusal {
    KAURL_REFUSAL_INVALID_URL = 0,        /**< Not a valid media URL. */
    KAURL_REFUSAL_NAMES_NO_FILE = 1,      /**< No name left in the path. */
    KAURL_REFUSAL_MALFORMED_ESCAPE = 2,   /**< A "%" without two hexadecimal digits. */
    KAURL_REFUSAL_NOT_UTF8 = 3,           /**< The decoded path is not UTF-8. */
    KAURL_REFUSAL_CONTROL_CHARACTER = 4,  /**< A control character in the path. */
    KAURL_REFUSAL_LEAVES_MOUNT_POINT = 5, /**< A ".." segment. */
    KAURL_REFUSAL_WINDOWS_NAME = 6,       /**< A name Windows reads otherwise. */
    KAURL_REFUSAL_CONTROL_CHARACTER_IN_MOUNT_PATH =
        7,                                  /**< A control character in the mount path. */
    KAURL_REFUSAL_EMPTY_MOUNT_PATH = 8,     /**< The mount path is empty. */
    KAURL_REFUSAL_INVISIBLE_CHARACTER = 9,  /**< An invisible or reordering character. */
    KAURL_REFUSAL_NAME_TOO_LONG = 10,       /**< A name longer than 255 UTF-16 code units. */
    KAURL_REFUSAL_CHANGED_BY_CODE_PAGE = 11 /**< A Windows ANSI code page reads a name otherwise. */
};

/** Options of kaurl_resolve_reference, combined with "|"; 0 is strict RFC 3986. */
enum kaurl_resolve_option {
    /** "http:g" against an http base reads as "g" (schemes compared without case). */
    KAURL_RESOLVE_NON_STRICT = 1,
    /** The media rule for a media base (kaurl::kamedia::ResolveReference):
     * "%2F", "%5C" and backslashes in its path, and backslashes in the
     * reference, separate names. */
    KAURL_RESOLVE_MEDIA_RULE = 2
};

/** The normalization that kaurl_normalize and kaurl_are_equivalent apply. */
typedef enum kaurl_normalization {
    KAURL_NORMALIZE_SYNTAX = 0, /**< Case, percent-encoding and dot segments. */
    KAURL_NORMALIZE_SCHEME = 1  /**< Those and the rules of the scheme (default ports, ...). */
} kaurl_normalization;

/** What kaurl_encode_component keeps unencoded. */
typedef enum kaurl_encoding {
    KAURL_ENCODE_COMPONENT = 0, /**< Only letters, digits, "-", ".", "_" and "~". */
    KAURL_ENCODE_PATH = 1       /**< Those and "/". */
} kaurl_encoding;

/** An opaque URI object of one class; made by kaurl_url_create or a
 * composition, released by kaurl_url_free. */
typedef struct kaurl_url kaurl_url;

/**
 * A short English text for a status: ::KAURL_BUFFER_TOO_SMALL gives
 * "the buffer is too small".
 * @param status Any value, also one outside the enumeration ("unknown status").
 * @return A static text; never null. Never fails.
 */
KAURL_API const char* kaurl_status_text(int status);

/**
 * Makes an object of `uri_class` from UTF-16 text, read as `reading` says.
 * `kaurl_url_create(KAURL_CLASS_HTTP, KAURL_READ_CONSTRUCTOR, text, n, &url)`
 * with "ftp://x" gives an invalid http object; with ::KAURL_READ_CREATE an
 * empty one.
 * @param uri_class A class, or ::KAURL_CLASS_BY_SCHEME.
 * @param reading Constructor or Create.
 * @param text The URI text; `length` code units.
 * @param length Its length.
 * @param url Receives the new handle, which the caller frees with kaurl_url_free.
 * @return ::KAURL_OK; ::KAURL_BAD_ARGUMENT for a null `url`, a bad text or
 * enumeration value; ::KAURL_OUT_OF_MEMORY.
 */
KAURL_API kaurl_status kaurl_url_create(int uri_class, int reading, const kaurl_char16* text,
                                        size_t length, kaurl_url** url);

/**
 * As kaurl_url_create, from UTF-8 text.
 * @param uri_class A class, or ::KAURL_CLASS_BY_SCHEME.
 * @param reading Constructor or Create.
 * @param text The URI text; `length` bytes.
 * @param length Its length.
 * @param url Receives the new handle.
 * @return As kaurl_url_create, and ::KAURL_ILL_FORMED_UTF8 for text that is
 * not UTF-8.
 */
KAURL_API kaurl_status kaurl_url_create_utf8(int uri_class, int reading, const char* text,
                                             size_t length, kaurl_url** url);

/**
 * Releases a handle; null is ignored. Never fails.
 * @param url The handle, which is unusable afterwards.
 */
KAURL_API void kaurl_url_free(kaurl_url* url);

/**
 * The class of a handle; for one made with ::KAURL_CLASS_BY_SCHEME, the class
 * chosen: ::KAURL_CLASS_HTTP for "HTTPS://host".
 * @param url The handle.
 * @param uri_class Receives the class.
 * @return ::KAURL_OK, or ::KAURL_BAD_ARGUMENT for a null pointer.
 */
KAURL_API kaurl_status kaurl_url_class(const kaurl_url* url, int* uri_class);

/**
 * Whether the object is valid for its class (IsValid): 1 for "http://h/" as
 * an http object, 0 for "file://host" as a file object.
 * @param url The handle.
 * @param valid Receives 1 or 0.
 * @return ::KAURL_OK, or ::KAURL_BAD_ARGUMENT for a null pointer.
 */
KAURL_API kaurl_status kaurl_url_is_valid(const kaurl_url* url, int* valid);

/**
 * One part of the object in UTF-16, as its getter returns it: raw text,
 * nothing decoded; "" for a missing part.
 * @param url The handle.
 * @param part The part; it must belong to the handle's class.
 * @param buffer Receives the part; may be null when `capacity` is 0.
 * @param capacity The buffer's size in code units.
 * @param length Receives the part's length in code units.
 * @return ::KAURL_OK, ::KAURL_BUFFER_TOO_SMALL, ::KAURL_WRONG_CLASS,
 * ::KAURL_BAD_ARGUMENT, ::KAURL_OUT_OF_MEMORY.
 */
KAURL_API kaurl_status kaurl_url_get(const kaurl_url* url, int part, kaurl_char16* buffer,
                                     size_t capacity, size_t* length);

/**
 * As kaurl_url_get, in UTF-8.
 * @param url The handle.
 * @param part The part.
 * @param buffer Receives the part; may be null when `capacity` is 0.
 * @param capacity The buffer's size in bytes.
 * @param length Receives the part's length in bytes.
 * @return As kaurl_url_get, and ::KAURL_LONE_SURROGATE when the part holds a
 * lone surrogate, which UTF-8 cannot carry.
 */
KAURL_API kaurl_status kaurl_url_get_utf8(const kaurl_url* url, int part, char* buffer,
                                          size_t capacity, size_t* length);

/**
 * The port number of an http object: 8080 for "http://h:8080/", 443 for
 * "https://h/", -1 when there is none.
 * @param url An http handle.
 * @param port Receives the number.
 * @return ::KAURL_OK, ::KAURL_WRONG_CLASS for another class, ::KAURL_BAD_ARGUMENT.
 */
KAURL_API kaurl_status kaurl_url_port_number(const kaurl_url* url, int* port);

/**
 * A media URL from a mount point and a path (CreateFromMountPointAndPath):
 * ("wendelgrid", "/media/a.mxf") gives "kamedia://wendelgrid/media%2Fa.mxf".
 * @param mount_point The mount point; `mount_point_length` code units.
 * @param mount_point_length Its length.
 * @param path The path below it; `path_length` code units.
 * @param path_length Its length.
 * @param url Receives a new media handle.
 * @return ::KAURL_OK; ::KAURL_REFUSED for an empty mount point;
 * ::KAURL_BAD_ARGUMENT, ::KAURL_OUT_OF_MEMORY.
 */
KAURL_API kaurl_status kaurl_compose_media(const kaurl_char16* mount_point,
                                           size_t mount_point_length, const kaurl_char16* path,
                                           size_t path_length, kaurl_url** url);

/**
 * A synthetic-importer URL from its identifier (CreateFromSyntheticImporterID):
 * "Importer-7" gives "kasynthetic://Importer-7".
 * @param identifier The identifier; `length` code units.
 * @param length Its length.
 * @param url Receives a new synthetic handle.
 * @return ::KAURL_OK; ::KAURL_REFUSED when no valid URL results;
 * ::KAURL_BAD_ARGUMENT, ::KAURL_OUT_OF_MEMORY.
 */
KAURL_API kaurl_status kaurl_compose_synthetic(const kaurl_char16* identifier, size_t length,
                                               kaurl_url** url);

/**
 * The checked local path of a media URL's file below `mount_path`
 * (ResolveLocalPath): "kamedia://grid/media/a%20b.mxf" below "/Volumes/Grid"
 * gives "/Volumes/Grid/media/a b.mxf" with ::KAURL_SEPARATOR_SLASH.
 * @param url A media handle.
 * @param mount_path Where the mount point is mounted; `mount_path_length` code units.
 * @param mount_path_length Its length.
 * @param separator The separator of the names below the mount path.
 * @param buffer Receives the path; may be null when `capacity` is 0.
 * @param capacity The buffer's size in code units.
 * @param length Receives the path's length.
 * @param refusal Receives the reason (a kaurl_refusal value) after
 * ::KAURL_REFUSED; may be null.
 * @return ::KAURL_OK, ::KAURL_REFUSED, ::KAURL_BUFFER_TOO_SMALL,
 * ::KAURL_WRONG_CLASS, ::KAURL_BAD_ARGUMENT, ::KAURL_OUT_OF_MEMORY.
 */
KAURL_API kaurl_status kaurl_resolve_local_path(const kaurl_url* url,
                                                const kaurl_char16* mount_path,
                                                size_t mount_path_length, int separator,
                                                kaurl_char16* buffer, size_t capacity,
                                                size_t* length, int* refusal);

/**
 * As kaurl_resolve_local_path, with mount path and result in UTF-8.
 * @param url A media handle.
 * @param mount_path The mount path; `mount_path_length` bytes.
 * @param mount_path_length Its length.
 * @param separator The separator of the names below the mount path.
 * @param buffer Receives the path; may be null when `capacity` is 0.
 * @param capacity The buffer's size in bytes.
 * @param length Receives the path's length in bytes.
 * @param refusal Receives the reason after ::KAURL_REFUSED; may be null.
 * @return As kaurl_resolve_local_path, and ::KAURL_ILL_FORMED_UTF8. A
 * resolved path is UTF-8 whenever the mount path is.
 */
KAURL_API kaurl_status kaurl_resolve_local_path_utf8(const kaurl_url* url, const char* mount_path,
                                                     size_t mount_path_length, int separator,
                                                     char* buffer, size_t capacity, size_t* length,
                                                     int* refusal);

/**
 * The older, unchecked substitution (SubstituteMountPointAndReturnPath): the
 * decoded path below the mount path with backslashes, "" for an invalid URL.
 * It may leave the mount path; use kaurl_resolve_local_path for URLs from
 * outside.
 * @param url A media handle.
 * @param mount_path The mount path; `mount_path_length` code units.
 * @param mount_path_length Its length.
 * @param buffer Receives the path; may be null when `capacity` is 0.
 * @param capacity The buffer's size in code units.
 * @param length Receives the path's length.
 * @return ::KAURL_OK, ::KAURL_BUFFER_TOO_SMALL, ::KAURL_WRONG_CLASS,
 * ::KAURL_BAD_ARGUMENT, ::KAURL_OUT_OF_MEMORY.
 */
KAURL_API kaurl_status kaurl_substitute_mount_point(const kaurl_url* url,
                                                    const kaurl_char16* mount_path,
                                                    size_t mount_path_length, kaurl_char16* buffer,
                                                    size_t capacity, size_t* length);

/**
 * A short English text for a refusal reason (DescribeLocalPathRefusal):
 * ::KAURL_REFUSAL_LEAVES_MOUNT_POINT gives "the path has a '..' segment, which
 * would leave the mount path".
 * @param refusal Any value; an unknown one gives "unknown reason".
 * @return A static text; never null. Never fails.
 */
KAURL_API const char* kaurl_describe_refusal(int refusal);

/**
 * Runs the library's self-test suite and gives its counts and, optionally,
 * its two streams: the trace (progress lines, a line per mismatch) and the
 * report (a line per failed test case), both UTF-8. An allocation that fails
 * inside the suite's test case counts as a failed test case, as any exception
 * there does.
 * @param passed Receives the number of test cases that passed.
 * @param failed Receives the number that failed.
 * @param trace Receives the trace; may be null when `trace_capacity` is 0.
 * @param trace_capacity Its size in bytes.
 * @param trace_length Receives the trace's length.
 * @param report Receives the report; may be null when `report_capacity` is 0.
 * @param report_capacity Its size in bytes.
 * @param report_length Receives the report's length.
 * @return ::KAURL_OK; ::KAURL_BUFFER_TOO_SMALL when either buffer is (then
 * nothing is written, counts included); ::KAURL_BAD_ARGUMENT,
 * ::KAURL_OUT_OF_MEMORY.
 */
KAURL_API kaurl_status kaurl_self_test(int* passed, int* failed, char* trace, size_t trace_capacity,
                                       size_t* trace_length, char* report, size_t report_capacity,
                                       size_t* report_length);

/**
 * The decoded name of a media URL's file, checked as kaurl_resolve_local_path
 * checks it (GetDisplayName): "a.mxf" for the URL composed of "grid" and
 * "news desk/a.mxf".
 * @param url A media handle.
 * @param buffer Receives the name; may be null when `capacity` is 0.
 * @param capacity The buffer's size in code units.
 * @param length Receives the name's length.
 * @param refusal Receives the reason (a kaurl_refusal value) after
 * ::KAURL_REFUSED; may be null.
 * @return ::KAURL_OK, ::KAURL_REFUSED, ::KAURL_BUFFER_TOO_SMALL,
 * ::KAURL_WRONG_CLASS, ::KAURL_BAD_ARGUMENT, ::KAURL_OUT_OF_MEMORY.
 */
KAURL_API kaurl_status kaurl_display_name(const kaurl_url* url, kaurl_char16* buffer,
                                          size_t capacity, size_t* length, int* refusal);

/**
 * As kaurl_display_name, in UTF-8.
 * @param url A media handle.
 * @param buffer Receives the name; may be null when `capacity` is 0.
 * @param capacity The buffer's size in bytes.
 * @param length Receives the name's length in bytes.
 * @param refusal Receives the reason after ::KAURL_REFUSED; may be null.
 * @return As kaurl_display_name. A name that passes the checks is UTF-8.
 */
KAURL_API kaurl_status kaurl_display_name_utf8(const kaurl_url* url, char* buffer, size_t capacity,
                                               size_t* length, int* refusal);

/**
 * Resolves a reference against a base URI, both as text (ResolveReference):
 * "../g" against "http://a/b/c/d;p?q" gives "http://a/b/g".
 * @param base The base URI; `base_length` code units.
 * @param base_length Its length.
 * @param reference Any text; `reference_length` code units.
 * @param reference_length Its length.
 * @param options 0, or kaurl_resolve_option values combined with "|".
 * @param buffer Receives the target URI; may be null when `capacity` is 0.
 * @param capacity The buffer's size in code units.
 * @param length Receives the target's length.
 * @return ::KAURL_OK; ::KAURL_REFUSED when the base has no scheme;
 * ::KAURL_BUFFER_TOO_SMALL, ::KAURL_BAD_ARGUMENT (also for an unknown
 * option), ::KAURL_OUT_OF_MEMORY.
 */
KAURL_API kaurl_status kaurl_resolve_reference(const kaurl_char16* base, size_t base_length,
                                               const kaurl_char16* reference,
                                               size_t reference_length, int options,
                                               kaurl_char16* buffer, size_t capacity,
                                               size_t* length);

/**
 * The normal form of a URI or relative reference (Normalize):
 * "HTTP://Example.ORG:80/a/./b/../c%7e" gives "http://example.org/a/c~" with
 * ::KAURL_NORMALIZE_SCHEME.
 * @param text The text; `text_length` code units.
 * @param text_length Its length.
 * @param level A kaurl_normalization value.
 * @param buffer Receives the normal form; may be null when `capacity` is 0.
 * @param capacity The buffer's size in code units.
 * @param length Receives its length.
 * @return ::KAURL_OK; ::KAURL_REFUSED only where the text cannot be
 * decomposed; ::KAURL_BUFFER_TOO_SMALL, ::KAURL_BAD_ARGUMENT,
 * ::KAURL_OUT_OF_MEMORY.
 */
KAURL_API kaurl_status kaurl_normalize(const kaurl_char16* text, size_t text_length, int level,
                                       kaurl_char16* buffer, size_t capacity, size_t* length);

/**
 * Whether two texts have the same normal form (AreEquivalent):
 * "HTTP://H:80/a" and "http://h/a" are equivalent.
 * @param first One text; `first_length` code units.
 * @param first_length Its length.
 * @param second The other text; `second_length` code units.
 * @param second_length Its length.
 * @param level A kaurl_normalization value.
 * @param equivalent Receives 1 or 0.
 * @return ::KAURL_OK, ::KAURL_BAD_ARGUMENT, ::KAURL_OUT_OF_MEMORY.
 */
KAURL_API kaurl_status kaurl_are_equivalent(const kaurl_char16* first, size_t first_length,
                                            const kaurl_char16* second, size_t second_length,
                                            int level, int* equivalent);

/**
 * A relative reference that resolves against `base` to `target`
 * (MakeRelative): "kamedia://g/projects/m/c.wav" from "kamedia://g/projects/s/e.xml" gives
 * "../m/c.wav".
 * @param base The base URI; `base_length` code units.
 * @param base_length Its length.
 * @param target The target URI; `target_length` code units.
 * @param target_length Its length.
 * @param buffer Receives the reference; may be null when `capacity` is 0.
 * @param capacity The buffer's size in code units.
 * @param length Receives its length.
 * @return ::KAURL_OK; ::KAURL_REFUSED when base or target has no scheme;
 * ::KAURL_BUFFER_TOO_SMALL, ::KAURL_BAD_ARGUMENT, ::KAURL_OUT_OF_MEMORY.
 */
KAURL_API kaurl_status kaurl_make_relative(const kaurl_char16* base, size_t base_length,
                                           const kaurl_char16* target, size_t target_length,
                                           kaurl_char16* buffer, size_t capacity, size_t* length);

/**
 * Percent-encodes a text's UTF-8 bytes (EncodeComponent): "a b/é" gives
 * "a%20b%2F%C3%A9" with ::KAURL_ENCODE_COMPONENT, "a%20b/%C3%A9" with
 * ::KAURL_ENCODE_PATH.
 * @param text The text; `text_length` code units.
 * @param text_length Its length.
 * @param kind A kaurl_encoding value.
 * @param buffer Receives the encoded text; may be null when `capacity` is 0.
 * @param capacity The buffer's size in code units.
 * @param length Receives its length.
 * @return ::KAURL_OK; ::KAURL_REFUSED for a lone surrogate;
 * ::KAURL_BUFFER_TOO_SMALL, ::KAURL_BAD_ARGUMENT, ::KAURL_OUT_OF_MEMORY.
 */
KAURL_API kaurl_status kaurl_encode_component(const kaurl_char16* text, size_t text_length,
                                              int kind, kaurl_char16* buffer, size_t capacity,
                                              size_t* length);

/**
 * Decodes a percent-encoded text strictly (DecodeComponent): "a%20%C3%A9"
 * gives "a é"; "+" stays "+".
 * @param text The text; `text_length` code units.
 * @param text_length Its length.
 * @param buffer Receives the decoded text; may be null when `capacity` is 0.
 * @param capacity The buffer's size in code units.
 * @param length Receives its length.
 * @return ::KAURL_OK; ::KAURL_REFUSED for a "%" without two hexadecimal
 * digits or bytes that are not UTF-8; ::KAURL_BUFFER_TOO_SMALL,
 * ::KAURL_BAD_ARGUMENT, ::KAURL_OUT_OF_MEMORY.
 */
KAURL_API kaurl_status kaurl_decode_component(const kaurl_char16* text, size_t text_length,
                                              kaurl_char16* buffer, size_t capacity,
                                              size_t* length);

#ifdef __cplusplus
}
#endif

#endif /* KAURL_KAURL_H */
