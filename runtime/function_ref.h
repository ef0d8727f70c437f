#pragma once

#include <memory>
#include <type_traits>
#include <utility>

namespace runtime {

// A callable handed down to be called before the call it is passed to
// returns: it refers to the callable and owns nothing, so it allocates
// nothing and brings no type erasure machinery into the program as
// std::function does. Never keep one beyond that call.
template <class Signature>
class FunctionRef;

// What a FunctionRef may refer to: anything callable as it is, except
// another FunctionRef, which is copied instead.
template <class Callable, class Self, class Result, class... Args>
concept Refers =
    !std::is_same_v<std::remove_cvref_t<Callable>, Self> && std::is_invocable_r_v<Result, Callable&, Args...>;

template <class Result, class... Args>
class FunctionRef<Result(Args...)> {
public:
    // Implicit, as std::function's: a lambda is passed where one is wanted.
    template <Refers<FunctionRef, Result, Args...> Callable>
    // cppcheck-suppress noExplicitConstructor
    // NOLINTNEXTLINE(google-explicit-constructor,bugprone-forwarding-reference-overload)
    FunctionRef(Callable&& callable) noexcept
        : call_([](Target target, Args... args) -> Result {
              return (*as<Callable>(target))(std::forward<Args>(args)...);
          }) {
        using Pointer = std::add_pointer_t<Callable>;
        if constexpr (std::is_function_v<std::remove_reference_t<Callable>>) {
            target_.function = reinterpret_cast<void (*)()>(static_cast<Pointer>(callable));
        } else {
            target_.object = const_cast<void*>(static_cast<const void*>(std::addressof(callable)));
        }
    }

    Result operator()(Args... args) const { return call_(target_, std::forward<Args>(args)...); }

private:
    // An object pointer cannot portably hold a function's address.
    union Target {
        void* object;
        void (*function)();
    };

    template <class Callable>
    static std::add_pointer_t<Callable> as(Target target) {
        using Pointer = std::add_pointer_t<Callable>;
        if constexpr (std::is_function_v<std::remove_reference_t<Callable>>) {
            return reinterpret_cast<Pointer>(target.function);
        } else {
            return static_cast<Pointer>(target.object);
        }
    }

    Target target_{};
    Result (*call_)(Target, Args...);
};

}  // namespace runtime
