// SPDX-License-Identifier: BSL-1.0
// Cuts a URI text into the runs that its generic parts came from. Each getter
// returns its part as the text has it (scheme and host only in lower case,
// which keeps their length), so the runs follow one another with the
// delimiters ":", "//", "@", ":", "?" and "#" between them.
(function (root) {
    "use strict";

    const sameText = (run, part) => run.toLowerCase() === part.toLowerCase();

    // [{part, text}], part null for delimiters; the whole text as one plain
    // run when the parts cannot be found in it.
    function segments(text, parts) {
        const runs = [];
        let position = 0;
        let matches = true;
        const take = (part, value) => {
            const run = text.substr(position, value.length);
            matches = matches && sameText(run, value);
            if (run.length > 0) {
                runs.push({ part, text: run });
            }
            position += run.length;
        };
        const delimiter = (mark) => {
            if (!text.startsWith(mark, position)) {
                return false;
            }
            runs.push({ part: null, text: mark });
            position += mark.length;
            return true;
        };

        if (parts.scheme) {
            take("scheme", parts.scheme);
            matches = matches && delimiter(":");
        }
        if (delimiter("//")) {
            const authorityEnd = position + parts.authority.length;
            if (parts.authority.includes("@")) {
                take("userinfo", parts.userinfo);
                delimiter("@");
            }
            take("host", parts.host);
            if (position < authorityEnd && delimiter(":")) {
                take("port", parts.port);
            }
            matches = matches && position === authorityEnd;
        }
        take("path", parts.path);
        if (delimiter("?")) {
            take("query", parts.query);
        }
        if (delimiter("#")) {
            take("fragment", parts.fragment);
        }
        if (!matches || position !== text.length) {
            return text.length > 0 ? [{ part: null, text }] : [];
        }
        return runs;
    }

    root.KaurlHighlight = { segments };
})(self);
