// SPDX-License-Identifier: BSL-1.0
// The composition form, the local-path form and the self-test.
(function (root) {
    "use strict";
    const { make, clear } = root.KaurlDom;

    function renderCompose(api, output, mountPoint, path) {
        const answer = api.compose(mountPoint, path);
        output.classList.toggle("refused", !answer.created);
        output.textContent = answer.created
            ? answer.uri
            : "Refused: the mount point is empty.";
    }

    function definition(list, term, value, className) {
        list.append(make("dt", "", term));
        list.append(make("dd", className, value));
    }

    function renderLocalPath(api, list, uri, mountPath, separator) {
        clear(list);
        const resolved = api.resolve(uri, mountPath, separator);
        definition(list, "Local path (ResolveLocalPath, separator " + resolved.separator + ")",
            resolved.resolved ? resolved.local_path : "Refused: " + resolved.refusal + ".",
            resolved.resolved ? "" : "refused");
        const substituted = api.substitute(uri, mountPath);
        definition(list, "SubstituteMountPointAndReturnPath, unchecked",
            substituted.created ? substituted.path : "Refused: kamedia::Create does not accept the URI.",
            substituted.created ? "unchecked" : "refused");
    }

    function renderSelfTest(api, summary, trace) {
        const answer = api.selfTest();
        summary.textContent = answer.passed + " passed, " + answer.failed + " failed";
        summary.classList.toggle("refused", answer.failed !== 0);
        trace.textContent = answer.trace + answer.report;
    }

    root.KaurlFormsView = { renderCompose, renderLocalPath, renderSelfTest };
})(self);
