#pragma once
// Display rule for text bytes: a valid UTF-8 sequence is one character, any
// other byte is a character of its own (shown as its Windows-1252 character).
// Positions stay byte positions; only display columns count characters.

#include <cstddef>

namespace utf8 {

// Length in bytes (1..4) of the character starting at p, with n bytes left.
// A byte that does not start a valid, complete, shortest-form sequence
// (no surrogates, nothing above U+10FFFF) counts as one character of 1 byte.
std::size_t charLength(const char* p, std::size_t n);

// True when byte offset i of s (length n) starts a character, i.e. is not
// inside a valid multi-byte sequence that starts earlier. i == n is a boundary.
bool isBoundary(const char* s, std::size_t n, std::size_t i);

// The start of the character that ends just before byte offset i (i > 0).
std::size_t previousBoundary(const char* s, std::size_t n, std::size_t i);

}  // namespace utf8
