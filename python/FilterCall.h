// Running one filter export from Python: the interpreter's lock released,
// the caller's progress callback on this thread, a status other than FX_OK
// raised as imgfx.FilterError.
#pragma once

#include <pybind11/pybind11.h>

#include <functional>

namespace imgfxpy {

namespace py = pybind11;

// Calls filter without the interpreter's lock, with progress (None or a
// callable taking the percent done) as this thread's status callback:
// None or True from it goes on, False stops with status 0, an integer is
// the callback's value (1 goes on, any other stops with it). An exception
// inside the callback stops the filter and is raised once it returns.
// Any status but FX_OK is raised as FilterError. The callable must not
// touch Python objects.
void runFilter(const py::object& progress, const std::function<int()>& filter);

// The status name: FX_OK and the error codes by name, other values (a
// callback's stop value, a kernel code) as their number.
const char* statusName(int status, char* buffer, size_t size);

// Registers imgfx.FilterError, an Exception with .status (the number) and
// .name (the status name), in the module.
void registerFilterError(py::module_& module);

} // namespace imgfxpy
