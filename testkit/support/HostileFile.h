#pragma once
// What a user's environment may put where a program expects a small text
// file: a FIFO (opening it to read waits for a writer), a folder, a link to
// an endless device, or a file far larger than any real one. Tests place
// each in turn and check that the reader ends, ignores it and leaves it as
// it was.

#include <cstddef>
#include <string>
#include <string_view>

namespace tidewell::testing {

enum class HostileFile { Fifo, Folder, EndlessDevice, Oversized };

inline constexpr HostileFile kHostileFiles[] = {HostileFile::Fifo, HostileFile::Folder,
                                                HostileFile::EndlessDevice, HostileFile::Oversized};

const char* nameOf(HostileFile kind);

// More than reading and ignoring any of them may cost (ContainedRun's
// peakGrowthBytes): a reader that takes in an endless device goes far past.
inline constexpr size_t kHostileFileMemoryBudget = size_t(32) << 20;

// Places kind at path, making its parents. Oversized: text, then a comment
// line ("#xxx…") that brings the file to exactly bytes, so a reader that
// took the whole file would find text's settings in it.
void placeHostileFile(const std::string& path, HostileFile kind, std::string_view text = {},
                      size_t bytes = 0);

// The entry at path itself (type, mode, size, change times, link text),
// never following a link or opening it: equal before and after means it was
// left alone.
std::string entryState(const std::string& path);

}  // namespace tidewell::testing
