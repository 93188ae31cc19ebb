// The module object: multi-phase initialisation, attributes in their fixed order.
#include "python/py.hpp"

namespace norvane::py {

namespace {

bool add_functions(PyObject* module) {
  // Function objects keep pointers to their definitions: the table must outlive them.
  static PyMethodDef functions[] = {normalize_function, detect_function, mask_function, unmask_function,
                             entity_names_function, {nullptr, nullptr, 0, nullptr}};
  return PyModule_AddFunctions(module, functions) == 0;
}

int module_exec(PyObject* module) {
  ModuleState* st = state_of_module(module);
  if (PyModule_AddStringConstant(module, "__version__", "0.1.0") < 0) return -1;
  if (PyModule_AddStringConstant(module, "__status__",
                                 "span, normalize, detect, and mask layers are available") < 0)
    return -1;
  if (PyModule_AddObjectRef(module, "__has_hash_policy__", Py_True) < 0) return -1;
  st->span_map_error = PyErr_NewExceptionWithDoc(
      "norvane.SpanMapError", "구간 정렬 테이블의 불변식이 깨졌거나 좌표계가 맞지 않는다.", PyExc_Exception, nullptr);
  if (!st->span_map_error) return -1;
  if (PyModule_AddObjectRef(module, "SpanMapError", st->span_map_error) < 0) return -1;
  if (!add_span_classes(module) || !add_config_classes(module) || !add_result_classes(module) ||
      !add_mask_classes(module) || !add_functions(module))
    return -1;
  return 0;
}

int module_traverse(PyObject* module, visitproc visit, void* arg) {
  ModuleState* st = state_of_module(module);
  if (!st) return 0;
  Py_VISIT(st->span_map_error);
  for (PyTypeObject* t : st->types) Py_VISIT(t);
  return 0;
}

int module_clear(PyObject* module) {
  ModuleState* st = state_of_module(module);
  if (!st) return 0;
  Py_CLEAR(st->span_map_error);
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
    "norvane",
    "한국어 자유 텍스트에서 개인정보(주민등록번호, 외국인등록번호, 사업자등록번호, 카드번호, 계좌번호, "
    "전화번호, 이메일, 운전면허번호, 생년월일, 여권번호)를 찾아 원문 좌표와 함께 보고하고 가린다.",
    sizeof(ModuleState),
    nullptr,
    module_slots,
    module_traverse,
    module_clear,
    module_free,
};

}  // namespace norvane::py

PyMODINIT_FUNC PyInit_norvane(void) { return PyModuleDef_Init(&norvane::py::module_def); }
