// The module object `norvane._core`: multi-phase initialisation, attributes in their fixed order.
// The package `norvane` re-exports everything public; classes and functions name "norvane" as their
// module so that reprs, pickles and help() show the public name.
#include "python/py.hpp"

namespace norvane::py {

namespace {

bool add_functions(PyObject* module) {
  // Function objects keep pointers to their definitions: the table must outlive them.
  static PyMethodDef functions[] = {normalize_function, detect_function,       mask_function,
                                    unmask_function,    entity_names_function, detect_many_function,
                                    mask_many_function};
  Ref public_module = Ref::steal(PyUnicode_FromString("norvane"));
  if (!public_module) return false;
  for (PyMethodDef& def : functions) {
    Ref function = Ref::steal(PyCMethod_New(&def, module, public_module.get(), nullptr));
    if (!function || PyModule_AddObjectRef(module, def.ml_name, function.get()) < 0) return false;
  }
  return true;
}

int module_exec(PyObject* module) {
  if (!learn_main_thread()) return -1;
  ModuleState* st = state_of_module(module);
  st->span_map_error = PyErr_NewExceptionWithDoc(
      "norvane.SpanMapError", "구간 정렬 테이블의 불변식이 깨졌거나 좌표계가 맞지 않는다.",
      PyExc_Exception, nullptr);
  if (!st->span_map_error) return -1;
  if (PyModule_AddObjectRef(module, "SpanMapError", st->span_map_error) < 0) return -1;
  if (!add_span_classes(module) || !add_config_classes(module) || !add_result_classes(module) ||
      !add_mask_classes(module) || !add_arrow_classes(module) || !add_functions(module))
    return -1;
  // Pickles name this private function by its true module, norvane._core.
  Ref name = Ref::steal(PyModule_GetNameObject(module));
  st->rebuild = name ? PyCFunction_NewEx(&rebuild_function, module, name.get()) : nullptr;
  if (!st->rebuild) return -1;
  return PyModule_AddObjectRef(module, rebuild_function.ml_name, st->rebuild);
}

int module_traverse(PyObject* module, visitproc visit, void* arg) {
  ModuleState* st = state_of_module(module);
  if (!st) return 0;
  Py_VISIT(st->span_map_error);
  Py_VISIT(st->rebuild);
  for (PyTypeObject* t : st->types) Py_VISIT(t);
  return 0;
}

int module_clear(PyObject* module) {
  ModuleState* st = state_of_module(module);
  if (!st) return 0;
  Py_CLEAR(st->span_map_error);
  Py_CLEAR(st->rebuild);
  for (PyTypeObject*& t : st->types) Py_CLEAR(t);
  return 0;
}

void module_free(void* module) { module_clear(static_cast<PyObject*>(module)); }

PyModuleDef_Slot module_slots[] = {
    {Py_mod_exec, reinterpret_cast<void*>(&module_exec)},
    {0, nullptr},
};

}  // namespace

PyModuleDef module_def = {
    PyModuleDef_HEAD_INIT,
    "norvane._core",
    "norvane의 컴파일된 핵심부. 공개 이름은 norvane 패키지에서 쓴다.",
    sizeof(ModuleState),
    nullptr,
    module_slots,
    module_traverse,
    module_clear,
    module_free,
};

}  // namespace norvane::py

PyMODINIT_FUNC PyInit__core(void) { return PyModuleDef_Init(&norvane::py::module_def); }
