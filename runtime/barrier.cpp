#include "runtime/barrier.h"

#include <exception>
#include <new>

#include "runtime/messages.h"

namespace runtime {

Error current_error() noexcept {
    try {
        throw;
    } catch (const Error& error) {
        return error;
    } catch (const std::bad_alloc&) {
        return Error(messages::out_of_memory());
    } catch (const std::exception& error) {
        return Error(messages::internal_fault(error.what()));
    } catch (...) {
        return Error(messages::internal_fault("?"));
    }
}

std::optional<Error> guard(FunctionRef<void()> call) noexcept {
    try {
        call();
        return std::nullopt;
    } catch (...) {
        return current_error();
    }
}

}  // namespace runtime
