// SPDX-License-Identifier: BSL-1.0
// The page's inputs in its URL fragment, so that a link opens on the same
// inputs. Whatever the fragment holds is only ever put into form fields.
(function (root) {
    "use strict";

    // Fragment key of each field, by the id of its control.
    const keys = {
        "uri-input": "u",
        "class-select": "as",
        "compose-mount": "mp",
        "compose-path": "p",
        "local-uri": "lu",
        "local-mount": "lm",
        "local-separator": "sep",
    };

    function read(hash) {
        const params = new URLSearchParams(hash.replace(/^#/, ""));
        const state = {};
        for (const [id, key] of Object.entries(keys)) {
            if (params.has(key)) {
                state[id] = params.get(key);
            }
        }
        return state;
    }

    function write(state) {
        const params = new URLSearchParams();
        for (const [id, key] of Object.entries(keys)) {
            params.set(key, state[id]);
        }
        return "#" + params.toString();
    }

    root.KaurlPageState = { ids: Object.keys(keys), read, write };
})(self);
