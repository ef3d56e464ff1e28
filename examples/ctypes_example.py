# SPDX-License-Identifier: BSL-1.0
"""kaurl from Python through its C interface, with ctypes alone.

Run: python3 ctypes_example.py /path/to/libkaurl.so.1
"""
import ctypes
import sys

from ctypes import POINTER, byref, c_char_p, c_int, c_size_t, c_uint16, c_void_p

OK, REFUSED, BUFFER_TOO_SMALL = 0, 1, 3
CLASS_BY_SCHEME, CLASS_MEDIA, CLASS_HTTP = 5, 1, 4
READ_CONSTRUCTOR, READ_CREATE = 0, 1
PART_HOST, PART_PATH, PART_MOUNT_POINT = 4, 6, 9
SEPARATOR_SLASH = 1

kaurl = ctypes.CDLL(sys.argv[1])
kaurl.kaurl_url_create_utf8.argtypes = [c_int, c_int, c_char_p, c_size_t, POINTER(c_void_p)]
kaurl.kaurl_url_free.argtypes = [c_void_p]
kaurl.kaurl_url_free.restype = None
kaurl.kaurl_url_class.argtypes = [c_void_p, POINTER(c_int)]
kaurl.kaurl_url_port_number.argtypes = [c_void_p, POINTER(c_int)]
kaurl.kaurl_url_get_utf8.argtypes = [c_void_p, c_int, c_char_p, c_size_t, POINTER(c_size_t)]
kaurl.kaurl_resolve_local_path.argtypes = [
    c_void_p, POINTER(c_uint16), c_size_t, c_int, POINTER(c_uint16), c_size_t,
    POINTER(c_size_t), POINTER(c_int)]
kaurl.kaurl_describe_refusal.restype = c_char_p
kaurl.kaurl_status_text.restype = c_char_p


def check(status, expected=OK):
    if status != expected:
        raise RuntimeError(kaurl.kaurl_status_text(status).decode())


def create(text, uri_class=CLASS_BY_SCHEME, reading=READ_CONSTRUCTOR):
    data = text.encode("utf-8")
    url = c_void_p()
    check(kaurl.kaurl_url_create_utf8(uri_class, reading, data, len(data), byref(url)))
    return url


def part(url, which):
    """Asks for the length first, then fills a buffer of that size."""
    length = c_size_t()
    status = kaurl.kaurl_url_get_utf8(url, which, None, 0, byref(length))
    if status == BUFFER_TOO_SMALL:
        buffer = ctypes.create_string_buffer(length.value)
        check(kaurl.kaurl_url_get_utf8(url, which, buffer, length, byref(length)))
        return buffer.raw[:length.value].decode("utf-8")
    check(status)
    return ""


def utf16(text):
    """Text as UTF-16 code units (ctypes' c_wchar is 32-bit on Linux)."""
    data = text.encode("utf-16-le")
    return (c_uint16 * (len(data) // 2)).from_buffer_copy(data), len(data) // 2


def local_path(url, mount_path):
    """The checked local path, or the reason of the refusal."""
    mount, mount_length = utf16(mount_path)
    buffer = (c_uint16 * 1024)()
    length, refusal = c_size_t(), c_int()
    status = kaurl.kaurl_resolve_local_path(url, mount, mount_length, SEPARATOR_SLASH, buffer,
                                            len(buffer), byref(length), byref(refusal))
    if status == REFUSED:
        return "refused: " + kaurl.kaurl_describe_refusal(refusal).decode()
    check(status)
    return bytes(buffer)[:2 * length.value].decode("utf-16-le")


url = create("https://Assets.Example.org/clips/a.mxf")
uri_class, port = c_int(), c_int()
check(kaurl.kaurl_url_class(url, byref(uri_class)))
check(kaurl.kaurl_url_port_number(url, byref(port)))
assert uri_class.value == CLASS_HTTP and port.value == 443
assert part(url, PART_HOST) == "assets.example.org"
kaurl.kaurl_url_free(url)

media = create("kamedia://grid\\media\\été.mxf", CLASS_MEDIA, READ_CREATE)
assert part(media, PART_MOUNT_POINT) == "grid"
assert part(media, PART_PATH) == "/media/été.mxf"
assert local_path(media, "/Volumes/Grid") == "/Volumes/Grid/media/été.mxf"
kaurl.kaurl_url_free(media)

escaping = create("kamedia://grid/..%2F..%2Fetc%2Fpasswd", CLASS_MEDIA, READ_CREATE)
print(local_path(escaping, "/Volumes/Grid"))
kaurl.kaurl_url_free(escaping)
