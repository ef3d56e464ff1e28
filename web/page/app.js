// SPDX-License-Identifier: BSL-1.0
// Starts the page: loads the library, restores the inputs from the URL
// fragment, and shows every answer again as the inputs change.
(function () {
    "use strict";
    const byId = (id) => document.getElementById(id);
    const state = self.KaurlPageState;
    const status = byId("status");

    const defaults = {
        "uri-input": "kamedia://wendelgrid\\media\\stories\\123\\ABA00.mxf",
        "class-select": "auto",
        "compose-mount": "wendelgrid",
        "compose-path": "/news desk/a.mxf",
        "local-uri": "kamedia://wendelgrid/%2E%2E/%2E%2E/etc/passwd",
        "local-mount": "/Volumes/Grid/",
        "local-separator": "Native",
    };

    function values() {
        const current = {};
        for (const id of state.ids) {
            current[id] = byId(id).value;
        }
        return current;
    }

    function restore(hash) {
        const saved = Object.assign({}, defaults, state.read(hash));
        for (const id of state.ids) {
            const control = byId(id);
            control.value = saved[id];
            // A select keeps no value that is not one of its options.
            if (control.value !== saved[id]) {
                control.value = defaults[id];
            }
        }
    }

    function render(api) {
        const v = values();
        self.KaurlDecomposeView.render(
            api,
            {
                view: byId("uri-view"),
                legend: byId("legend"),
                body: byId("parts-body"),
                headings: { reading: byId("reading-heading"), create: byId("create-heading") },
                difference: byId("difference"),
            },
            v["uri-input"],
            v["class-select"]
        );
        self.KaurlFormsView.renderCompose(api, byId("compose-result"), v["compose-mount"],
            v["compose-path"]);
        self.KaurlFormsView.renderLocalPath(api, byId("local-result"), v["local-uri"],
            v["local-mount"], v["local-separator"]);
        history.replaceState(null, "", state.write(v));
    }

    function start(api) {
        restore(location.hash);
        for (const id of state.ids) {
            byId(id).addEventListener("input", () => render(api));
        }
        addEventListener("hashchange", () => {
            restore(location.hash);
            render(api);
        });
        byId("self-test-run").addEventListener("click", () =>
            self.KaurlFormsView.renderSelfTest(api, byId("self-test-summary"),
                byId("self-test-trace")));
        render(api);
        status.textContent = "";
        performance.mark("kaurl-first-result");
        document.body.classList.add("ready");
    }

    createKaurlModule()
        .then((wasm) => start(self.KaurlApi.wrap(wasm)))
        .catch((error) => {
            status.textContent = "The library could not be loaded: " + error;
            status.classList.add("refused");
        });
})();
