#pragma once
// A borrowed callable, for a call that uses it only while it runs: what
// std::function would give, without its copy of the callable and without the
// exception it throws when empty, which links the runtime's unwinder into
// the program. Platform-free.
template <class Signature>
class CallbackRef;

template <class Result, class... Args>
class CallbackRef<Result(Args...)> {
public:
    template <class Callable>
    CallbackRef(const Callable& callable)  // NOLINT: stands in for the callable itself
        : m_object(&callable), m_call([](const void* object, Args... args) -> Result {
              return (*static_cast<const Callable*>(object))(args...);
          }) {}

    Result operator()(Args... args) const { return m_call(m_object, args...); }

private:
    const void* m_object;
    Result (*m_call)(const void*, Args...);
};
