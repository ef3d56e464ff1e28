// SPDX-License-Identifier: BSL-1.0
// The decomposition: the URI with its parts highlighted, and the table of
// what each getter returns, read by the constructor and, where it differs,
// by Create.
(function (root) {
    "use strict";
    const { make, clear } = root.KaurlDom;

    // The names `kaurl parse` gives the parts, by their JSON keys.
    const labels = {
        class: "class",
        valid: "valid",
        scheme: "scheme",
        authority: "authority",
        userinfo: "userinfo",
        host: "host",
        port: "port",
        path: "path",
        query: "query",
        fragment: "fragment",
        mount_point: "mount point",
        file_name: "file name",
        file_extension: "extension",
        display_name: "shown as",
        display_name_refusal: "not shown because",
        synthetic_importer_id: "importer id",
        port_number: "port number",
    };

    const backslashReason =
        "Create turns every backslash into a slash before it reads the text; the constructor " +
        "keeps backslashes as written, so for it the mount point runs on to the first slash.";
    const refusalReason =
        "Create refuses a text that is not valid for the class and leaves its URL empty; the " +
        "constructor always builds an object, and IsValid says whether it is valid.";

    function shown(key, value) {
        if (key === "valid") {
            return value ? "yes" : "no";
        }
        return String(value);
    }

    function highlight(container, legend, text, generic) {
        clear(container);
        clear(legend);
        const seen = new Set();
        for (const run of root.KaurlHighlight.segments(text, generic)) {
            const span = make("span", run.part ? "part part-" + run.part : "delimiter", run.text);
            if (run.part) {
                span.title = run.part;
                seen.add(run.part);
            }
            container.append(span);
        }
        for (const part of ["scheme", "userinfo", "host", "port", "path", "query", "fragment"]) {
            if (seen.has(part)) {
                legend.append(make("li", "part part-" + part, part));
            }
        }
    }

    function valueCell(key, value, other) {
        const text = shown(key, value);
        const cell = make("td", text === "" ? "empty" : "", text === "" ? "(empty)" : text);
        if (other !== undefined && shown(key, other) !== text) {
            cell.classList.add("differs");
        }
        return cell;
    }

    function table(body, headings, constructed, created) {
        clear(body);
        const keys = Object.keys(constructed).filter((key) => key !== "input");
        for (const key of keys) {
            const row = make("tr");
            row.dataset.key = key;
            row.append(make("th", "", labels[key] || key));
            row.lastChild.scope = "row";
            row.append(valueCell(key, constructed[key], created && created[key]));
            if (created) {
                row.append(valueCell(key, created[key], constructed[key]));
            }
            body.append(row);
        }
        body.parentElement.classList.toggle("two-readings", Boolean(created));
        headings.reading.textContent = created ? "Constructor" : "Value";
        headings.create.hidden = !created;
    }

    function reason(text, created) {
        if (created.class === "kamedia" && text.includes("\\")) {
            return backslashReason;
        }
        return refusalReason;
    }

    // Shows `text` read as `className` ("auto" or a class of `kaurl parse --as`).
    function render(api, elements, text, className) {
        const constructed = api.describe(text, className, false);
        const created = api.describe(text, className, true);
        const differ = JSON.stringify(constructed) !== JSON.stringify(created);
        highlight(elements.view, elements.legend, text, api.describe(text, "uri", false));
        table(elements.body, elements.headings, constructed, differ ? created : null);
        elements.difference.hidden = !differ;
        elements.difference.textContent = differ ? reason(text, created) : "";
    }

    root.KaurlDecomposeView = { render };
})(self);
