// Pages given back to the system before their buffer is freed: whole pages inside the buffer
// only, never below the size where a system call pays, and items beyond them kept.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "span/pages.hpp"

namespace norvane {
namespace {

TEST(Pages, ReleaseStorageDropsTheWholePagesOfALargeBuffer) {
#if !defined(__linux__)
  GTEST_SKIP() << "pages are given back on Linux only";
#endif
  std::vector<std::uint32_t> big(pages::kReleaseBytes / sizeof(std::uint32_t) * 2, 7);
  pages::release_storage(big);
  // The pages inside read as zeros; the buffer stays the vector's and can be freed as usual.
  const auto zeros = static_cast<std::size_t>(std::count(big.begin(), big.end(), 0u));
  const auto sevens = static_cast<std::size_t>(std::count(big.begin(), big.end(), 7u));
  EXPECT_EQ(zeros + sevens, big.size());
  EXPECT_GE(zeros * sizeof(std::uint32_t),
            big.size() * sizeof(std::uint32_t) - 2 * 65536);  // two part pages at most
  big.push_back(9);                                           // still a working vector
  EXPECT_EQ(big.back(), 9u);
}

TEST(Pages, ReleaseStorageLeavesSmallBuffersAlone) {
  std::string small(pages::kReleaseBytes - 64, 'x');
  pages::release_storage(small);
  EXPECT_EQ(small, std::string(pages::kReleaseBytes - 64, 'x'));
  std::vector<std::uint64_t> empty;
  pages::release_storage(empty);
  EXPECT_TRUE(empty.empty());
}

TEST(Pages, ReleaseStorageOfAStringKeepsItsUnalignedEdges) {
  std::string text(3 * pages::kReleaseBytes + 123, 'a');
  const auto at = reinterpret_cast<std::uintptr_t>(text.data());
  pages::release_storage(text);
  // Bytes before the first page boundary inside the buffer are never dropped.
  const std::size_t page = 4096;
  const std::size_t head = (page - at % page) % page;
  for (std::size_t i = 0; i < head; ++i) ASSERT_EQ(text[i], 'a') << i;
  // Everything else is either kept or a dropped page's zero.
  EXPECT_EQ(std::count(text.begin(), text.end(), 'a') + std::count(text.begin(), text.end(), '\0'),
            static_cast<std::ptrdiff_t>(text.size()));
}

}  // namespace
}  // namespace norvane
