#include "FilterCall.h"

#include "imgfx/imgfx.h"

#include <cstdio>
#include <memory>

namespace imgfxpy {

namespace {

// The callback of the filter running on this thread and what became of it.
struct Progress {
    PyObject* callable = nullptr;
    bool failed = false;
    std::unique_ptr<py::error_already_set> error; // raised once the filter returns
};

thread_local Progress* current = nullptr;

int callProgress(int percent) {
    Progress* p = current;
    if (!p || !p->callable || p->failed)
        return p && p->failed ? 0 : 1;
    py::gil_scoped_acquire lock;
    try {
        const py::object answer = py::reinterpret_borrow<py::object>(p->callable)(percent);
        if (answer.is_none())
            return 1;
        if (py::isinstance<py::bool_>(answer))
            return answer.cast<bool>() ? 1 : 0;
        return answer.cast<int>();
    } catch (py::error_already_set& e) {
        p->failed = true;
        p->error = std::make_unique<py::error_already_set>(std::move(e));
    } catch (const py::cast_error&) {
        p->failed = true;
        PyErr_SetString(PyExc_TypeError,
                        "imgfx: a progress callback returns None, a bool or an integer");
        p->error = std::make_unique<py::error_already_set>();
    }
    return 0;
}

PyObject* filterError = nullptr;

} // namespace

const char* statusName(int status, char* buffer, size_t size) {
    switch (status) {
    case FX_OK:
        return "FX_OK";
    case FX_ERR_NO_MEMORY:
        return "FX_ERR_NO_MEMORY";
    case FX_ERR_BAD_BITMAP:
        return "FX_ERR_BAD_BITMAP";
    case FX_ERR_BAD_PARAMETER:
        return "FX_ERR_BAD_PARAMETER";
    default:
        std::snprintf(buffer, size, "%d", status);
        return buffer;
    }
}

void runFilter(const py::object& progress, const std::function<int()>& filter) {
    Progress state;
    state.callable = progress.is_none() ? nullptr : progress.ptr();
    int status = 0;
    {
        Progress* outer = current;
        current = &state;
        py::gil_scoped_release unlocked;
        const KStatusCallback old = KSetStatusCallback(state.callable ? callProgress : nullptr);
        status = filter();
        KSetStatusCallback(old);
        current = outer;
    }
    if (state.error)
        throw *state.error;
    if (status == FX_OK)
        return;
    char buffer[16];
    const char* name = statusName(status, buffer, sizeof buffer);
    py::object error = py::reinterpret_borrow<py::object>(filterError)(
        py::str("{}: {}").format(name, "the filter did not finish"));
    error.attr("status") = status;
    error.attr("name") = name;
    PyErr_SetObject(filterError, error.ptr());
    throw py::error_already_set();
}

void registerFilterError(py::module_& module) {
    static py::exception<std::runtime_error> type(module, "FilterError", PyExc_Exception);
    filterError = type.ptr();
    type.doc() = "A filter returned a status other than FX_OK: .status holds the number, "
                 ".name the status name (FX_ERR_BAD_PARAMETER, ..., or the number a progress "
                 "callback stopped with).";
}

} // namespace imgfxpy
