#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace runtime {

// The one error type handlers raise. Its message is what the user reads;
// the control it names, if any, is where the user is sent back to put it
// right.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message, std::string_view control = {})
        : std::runtime_error(message), control_(control) {}

    const std::string& control() const noexcept { return control_; }

private:
    std::string control_;
};

// The error that the exception being handled stands for. Call it only
// inside a catch block.
Error current_error() noexcept;

}  // namespace runtime
