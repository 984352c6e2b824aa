#pragma once
#include <memory>
#include <string>

namespace corvanth::testing {

// What another program, or the user, does to files through Windows itself. Names are UTF-8.

// The file held open as another program would, letting others write to it or only read it. Closed when the
// result goes.
std::shared_ptr<void> HoldOpen(const std::string& name, bool othersMayWrite);

enum class Attribute { ReadOnly, Hidden };
void SetAttribute(const std::string& name, Attribute attribute, bool on);
bool HasAttribute(const std::string& name, Attribute attribute);

// A named pipe nobody writes to, there as long as the result is kept.
std::shared_ptr<void> ListeningPipe(const std::string& name);

}  // namespace corvanth::testing
