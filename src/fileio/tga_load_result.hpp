#pragma once

namespace corvanth {

// What a decode made of a file. CorruptData is a compressed stream that runs short or past the image;
// Open reports it like a read failure.
enum class TgaLoadResult { Loaded, WrongSize, WrongDepth, CorruptData };

}  // namespace corvanth
