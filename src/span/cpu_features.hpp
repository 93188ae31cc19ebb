#pragma once
// The processor's vector extensions, tested once: the library is built for every x86-64 and
// takes its wider paths only where the processor has them.

namespace norvane::cpu {

#if defined(__x86_64__) || defined(__i386__)

// Whether the processor has AVX2 (32-byte integer vectors).
inline bool has_avx2() {
  static const bool has = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") != 0;
  }();
  return has;
}

// Whether the processor has SSSE3 (the byte shuffle).
inline bool has_ssse3() {
  static const bool has = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("ssse3") != 0;
  }();
  return has;
}

#else

inline bool has_avx2() { return false; }
inline bool has_ssse3() { return false; }

#endif

}  // namespace norvane::cpu
