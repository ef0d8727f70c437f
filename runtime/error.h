#pragma once

#include <stdexcept>
#include <string>

namespace runtime {

// Which input an error is about, so the window can send the user back there.
enum class Coefficient { none, a, b };

// The one error type handlers raise. Its message is what the user reads.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message, Coefficient about = Coefficient::none)
        : std::runtime_error(message), about_(about) {}

    Coefficient about() const noexcept { return about_; }

private:
    Coefficient about_;
};

}  // namespace runtime
