// SPDX-License-Identifier: BSL-1.0
// The library's calls for JavaScript: strings go in as UTF-16 code units
// (every JavaScript string is one), answers come back as parsed JSON.
(function (root, factory) {
    if (typeof module === "object" && module.exports) {
        module.exports = factory();
    } else {
        root.KaurlApi = factory();
    }
})(typeof self !== "undefined" ? self : this, function () {
    "use strict";

    function wrap(wasm) {
        function copyUnits(text) {
            const pointer = wasm._malloc(Math.max(2, text.length * 2));
            const heap = wasm.HEAPU16;
            for (let i = 0; i < text.length; ++i) {
                heap[(pointer >> 1) + i] = text.charCodeAt(i);
            }
            return pointer;
        }

        function copyAscii(text) {
            const pointer = wasm._malloc(text.length + 1);
            const heap = wasm.HEAPU8;
            for (let i = 0; i < text.length; ++i) {
                heap[pointer + i] = text.charCodeAt(i) & 0x7f;
            }
            heap[pointer + text.length] = 0;
            return pointer;
        }

        // Calls `fn` with each text as pointer and length, then `extra`.
        function call(fn, texts, extra) {
            const pointers = [];
            try {
                const args = [];
                for (const text of texts) {
                    const pointer = copyUnits(text);
                    pointers.push(pointer);
                    args.push(pointer, text.length);
                }
                const answer = fn(...args, ...extra);
                if (!answer) {
                    return null;
                }
                try {
                    return JSON.parse(wasm.UTF8ToString(answer));
                } finally {
                    wasm._kaurl_web_free(answer);
                }
            } finally {
                pointers.forEach((pointer) => wasm._free(pointer));
            }
        }

        return {
            // The parts as the class `className` reads the text ("auto": the
            // class of its scheme); `create`: through Create, not the constructor.
            describe(text, className, create) {
                const name = copyAscii(className);
                try {
                    return call(wasm._kaurl_web_describe, [text], [name, create ? 1 : 0]);
                } finally {
                    wasm._free(name);
                }
            },
            compose(mountPoint, path) {
                return call(wasm._kaurl_web_compose, [mountPoint, path], []);
            },
            substitute(uri, mountPath) {
                return call(wasm._kaurl_web_substitute, [uri, mountPath], []);
            },
            // separator: "Slash", "Backslash" or "Native".
            resolve(uri, mountPath, separator) {
                const name = copyAscii(separator);
                try {
                    return call(wasm._kaurl_web_resolve, [uri, mountPath], [name]);
                } finally {
                    wasm._free(name);
                }
            },
            selfTest() {
                return call(wasm._kaurl_web_self_test, [], []);
            },
        };
    }

    return { wrap };
});
