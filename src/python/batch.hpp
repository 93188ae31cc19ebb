#pragma once
// detect_many and mask_many: the pieces shared by the list path (batch.cpp) and the Arrow path
// (arrow.cpp). The work itself runs in the core's batch layer, without the interpreter lock.
#include <cstddef>
#include <span>

#include "batch/batch.hpp"
#include "python/classes.hpp"

namespace norvane::py {

// Adds "texts[index]: " to the pending exception's message; its type stays.
void name_item(std::size_t index);

// Reading the inputs and making the result objects hold the lock for a time that grows with the
// number of texts (tens of milliseconds for hundreds of thousands): loops over the items call this
// with each index, and it looks at pending signals (Ctrl-C) every few thousand items. True when a
// signal's handler raised; its exception is pending.
inline constexpr std::size_t kItemsBetweenSignalChecks = 4096;
bool signal_raised_at(std::size_t i);

// Raises the error of a failed batch as the single call would, naming the failing item. rows[i]
// is the caller's index of batch item i (empty: the same).
PyObject* raise_item_error(ModuleState* st, const batch::ItemError& error,
                           std::span<const std::size_t> rows = {});

// True when o exports an Arrow column (__arrow_c_stream__ or __arrow_c_array__).
bool exports_arrow(PyObject* o);

// The Arrow forms: a list of Report (None for null rows) and a MaskedColumn.
PyObject* detect_many_arrow(ModuleState* st, PyObject* column, const Config& config,
                            const batch::Options& options);
PyObject* mask_many_arrow(ModuleState* st, PyObject* column, const PolicySet& policies,
                          const Config& config, const batch::Options& options);

}  // namespace norvane::py
