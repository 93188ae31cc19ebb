#pragma once
// Many texts at once: detect or mask every text of a batch on several threads. Results are the
// per-text results exactly, in input order; the first failing text (lowest index) fails the batch.
#include <cstddef>
#include <cstdint>
#include <expected>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "detect/report.hpp"
#include "error/error.hpp"
#include "mask/mask.hpp"
#include "mask/policy.hpp"
#include "normalize/config.hpp"

namespace norvane::batch {

// The texts of a batch: views into memory that stays unchanged for the whole call. Texts that
// come from outside (raw buffers) are checked first: valid UTF-8, below 4 GiB.
struct Texts {
  std::span<const std::string_view> items;
  bool check_utf8 = false;
};

// Texts whose UTF-8 is made one at a time on the worker threads (text objects of a host
// language): text(i, buffer) gives text i, written into buffer when it has to be made (the buffer
// belongs to the calling unit of work and is reused from one text to the next, so the view is
// only used until the next text), or nullopt when the source refuses text i; the caller knows
// why (ItemError::Kind::refused). bytes(i) is about the size of text i, for planning the work.
struct TextSource {
  std::size_t count = 0;
  std::function<std::optional<std::string_view>(std::size_t, std::string&)> text;
  std::function<std::size_t(std::size_t)> bytes;
};

// threads: at most this many (the caller's included). An interrupt check installed by the caller
// (error/interrupt.hpp) stops the whole batch with interrupt::Interrupted.
struct Options {
  std::size_t threads = 1;
};

struct ItemError {
  enum class Kind : std::uint8_t { core, invalid_utf8, too_large, refused };
  Kind kind = Kind::core;
  std::size_t index = 0;   // the failing text
  Error error{};           // core: the per-text error
  std::uint64_t byte = 0;  // invalid_utf8: offset of the first bad byte; too_large: the size
};

template <class T>
using BatchResult = std::expected<T, ItemError>;

// The first byte of s that does not begin or continue a well-formed UTF-8 sequence, if any.
std::optional<std::size_t> first_invalid_utf8(std::string_view s);

BatchResult<std::vector<Report>> detect_many(Texts texts, const Config& config,
                                             const Options& options);

BatchResult<std::vector<MaskOutput>> mask_many(Texts texts, const PolicySet& policies,
                                               const Config& config, const Options& options);

BatchResult<std::vector<Report>> detect_many(const TextSource& texts, const Config& config,
                                             const Options& options);

BatchResult<std::vector<MaskOutput>> mask_many(const TextSource& texts, const PolicySet& policies,
                                               const Config& config, const Options& options);

// The same, each result moved to *places[i] in place of a vector of results: a caller that keeps
// each result in an object of its own has make_places() make the objects and return where the
// results go (texts.count places). It runs on the calling thread once the other threads have
// started, so that making the objects overlaps their work; the results finished before it returns
// wait in their units and are moved to their places at the end, the others go straight there
// from the thread that made them. On failure some may be written; an exception thrown by
// make_places stops the batch and is rethrown.
template <class T>
using MakePlaces = std::function<std::span<T* const>()>;

std::optional<ItemError> detect_many(const TextSource& texts, const Config& config,
                                     const Options& options, const MakePlaces<Report>& make_places);

std::optional<ItemError> mask_many(const TextSource& texts, const PolicySet& policies,
                                   const Config& config, const Options& options,
                                   const MakePlaces<MaskOutput>& make_places);

// Masking with one restore map for the whole batch (when the policies tokenize): the prefix is
// chosen against every text and token numbers continue from one text to the next, so unmask
// restores each masked text with the one map. The outputs carry no maps of their own.
struct SharedMaskOutputs {
  std::vector<MaskOutput> outputs;
  std::optional<RestoreMap> restore;
};

BatchResult<SharedMaskOutputs> mask_many_shared(Texts texts, const PolicySet& policies,
                                                const Config& config, const Options& options);
// The same over texts made by a source: each is made once, on the worker threads, and kept
// (as UTF-8, one buffer a unit of work) for the call, since the shared map reads every text twice.
BatchResult<SharedMaskOutputs> mask_many_shared(const TextSource& texts, const PolicySet& policies,
                                                const Config& config, const Options& options);

// The masked texts alone (with the shared map when the policies tokenize), one after another:
// text i is data[ends[i-1] .. ends[i]).
struct MaskedTexts {
  std::string data;
  std::vector<std::size_t> ends;
  std::optional<RestoreMap> restore;
};

BatchResult<MaskedTexts> mask_texts(Texts texts, const PolicySet& policies, const Config& config,
                                    const Options& options);

}  // namespace norvane::batch
