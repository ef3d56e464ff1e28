// SPDX-License-Identifier: BSL-1.0
// Builds elements whose text is set as text, never parsed as HTML: every
// text on this page may come from a shared link.
(function (root) {
    "use strict";

    function make(tag, className, text) {
        const element = document.createElement(tag);
        if (className) {
            element.className = className;
        }
        if (text !== undefined) {
            element.textContent = text;
        }
        return element;
    }

    function clear(element) {
        element.replaceChildren();
        return element;
    }

    root.KaurlDom = { make, clear };
})(self);
