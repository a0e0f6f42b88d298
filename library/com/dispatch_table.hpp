#pragma once
// Calls by name and dispatch identifier: each interface's methods in interface order, each with a
// call that turns the caller's variant arguments into the method's declared parameters.
//
// An in argument is a copy converted to the declared type by the variant conversion rules; an
// in/out VARIANT is the caller's variable itself; an in/out argument of another type is converted
// into a local of that type, passed by reference and stored back into the caller's variable after
// the call (two in/out arguments naming the same variable are stored back in order, the last
// wins). The [out, retval] value is the call's value; a procedure's value is Empty.

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>

#include "platform/com/interfaces.hpp"
#include "platform/com/names.hpp"
#include "platform/oleaut/variant.hpp"

namespace kalvik {

// The value of an argument given as declared type T; failures name the argument.
template <class T>
T convertArgument(const oleaut::Variant& value);
template <>
int16_t convertArgument<int16_t>(const oleaut::Variant& value);
template <>
int32_t convertArgument<int32_t>(const oleaut::Variant& value);
template <>
float convertArgument<float>(const oleaut::Variant& value);
template <>
double convertArgument<double>(const oleaut::Variant& value);
template <>
oleaut::Date convertArgument<oleaut::Date>(const oleaut::Variant& value);
template <>
oleaut::Currency convertArgument<oleaut::Currency>(const oleaut::Variant& value);
template <>
std::string convertArgument<std::string>(const oleaut::Variant& value);
template <>
oleaut::ObjectRef convertArgument<oleaut::ObjectRef>(const oleaut::Variant& value);

// Error 450 for a call with the wrong number of arguments.
[[noreturn]] void wrongArgumentCount(std::string_view method, size_t expected, size_t given);
// The error of argument `index` (from 0) of method, with the argument named in its text.
[[noreturn]] void rethrowForArgument(std::string_view method, size_t index);
// Fails with error 5 when the argument is a text that is not valid UTF-8.
void requireValidText(const oleaut::Variant& argument);
// The error a method failed with; a conversion error that names nothing yet names the method and,
// when one can be told, the argument that caused it.
[[noreturn]] void rethrowForMethod(std::string_view method, com::Arguments args);

// How an argument reaches a parameter of declared type Parameter.
template <class Parameter>
struct Argument;

// VARIANT in/out: the caller's own variable.
template <>
struct Argument<oleaut::Variant&> {
    using Held = std::reference_wrapper<oleaut::Variant>;
    static Held take(oleaut::Variant& caller) { return caller; }
    static oleaut::Variant& pass(Held& held) { return held.get(); }
    static void giveBack(const Held&, oleaut::Variant&) {}
};

// VARIANT in: a copy.
template <>
struct Argument<const oleaut::Variant&> {
    using Held = oleaut::Variant;
    static Held take(const oleaut::Variant& caller) { return caller; }
    static const oleaut::Variant& pass(Held& held) { return held; }
    static void giveBack(const Held&, oleaut::Variant&) {}
};

// Any other type in: a converted copy.
template <class T>
struct ArgumentIn {
    using Held = T;
    static Held take(const oleaut::Variant& caller) { return convertArgument<T>(caller); }
    static const T& pass(Held& held) { return held; }
    static void giveBack(const Held&, oleaut::Variant&) {}
};
template <class T>
struct Argument : ArgumentIn<T> {};
template <class T>
struct Argument<const T&> : ArgumentIn<T> {};

// Any other type in/out: a converted local, stored back after the call. Two such arguments naming
// the same caller variable share one local, as two references to one variable would.
template <class T>
struct SharedLocal {
    T value;
    T* target = nullptr;  // value, or the local of an earlier argument naming the same variable
};

template <class T>
struct Argument<T&> {
    using Held = SharedLocal<T>;
    static Held take(const oleaut::Variant& caller) { return {convertArgument<T>(caller)}; }
    static T& pass(Held& held) { return *held.target; }
    static void giveBack(const Held& held, oleaut::Variant& caller) {
        if (held.target == &held.value) caller = oleaut::Variant(held.value);
    }
};

template <class Mine, class Earlier>
void shareLocal(Mine& mine, Earlier& earlier, bool sameVariable) {
    if constexpr (std::is_same_v<Mine, Earlier>) {
        if (sameVariable && mine.target == &mine.value) mine.target = earlier.target;
    }
}

template <class T>
inline constexpr bool kIsSharedLocal = false;
template <class T>
inline constexpr bool kIsSharedLocal<SharedLocal<T>> = true;

template <size_t N, class Tuple, size_t... M>
void linkLocal(Tuple& held, com::Arguments args, std::index_sequence<M...>) {
    auto& mine = std::get<N>(held);
    if constexpr (kIsSharedLocal<std::remove_reference_t<decltype(mine)>>) {
        mine.target = &mine.value;
        (shareLocal(mine, std::get<M>(held), args[M] == args[N]), ...);
    }
}

// Points each in/out local at itself, or at an earlier one for the same caller variable.
template <class Tuple, size_t... N>
void linkLocals(Tuple& held, com::Arguments args, std::index_sequence<N...>) {
    (linkLocal<N>(held, args, std::make_index_sequence<N>{}), ...);
}

template <class Parameter>
typename Argument<Parameter>::Held takeArgument(std::string_view method, size_t index,
                                                oleaut::Variant& caller) {
    try {
        requireValidText(caller);
        return Argument<Parameter>::take(caller);
    } catch (...) {
        rethrowForArgument(method, index);
    }
}

template <class I, class R, class... P, size_t... N>
oleaut::Variant callWith(I& object, R (I::*method)(P...), std::string_view name,
                         com::Arguments args, std::index_sequence<N...>) {
    // Braced initialisation converts the arguments left to right.
    std::tuple<typename Argument<P>::Held...> held{takeArgument<P>(name, N, *args[N])...};
    linkLocals(held, args, std::index_sequence<N...>{});
    oleaut::Variant result;
    try {
        if constexpr (std::is_void_v<R>) {
            (object.*method)(Argument<P>::pass(std::get<N>(held))...);
        } else {
            result = oleaut::Variant((object.*method)(Argument<P>::pass(std::get<N>(held))...));
        }
    } catch (...) {
        rethrowForMethod(name, args);
    }
    (Argument<P>::giveBack(std::get<N>(held), *args[N]), ...);
    return result;
}

// Calls method of object with the caller's arguments; name ("Potr.Calc_Potr") labels errors.
template <class I, class R, class... P>
oleaut::Variant callMethod(I& object, R (I::*method)(P...), std::string_view name,
                           com::Arguments args) {
    if (args.size() != sizeof...(P)) wrongArgumentCount(name, sizeof...(P), args.size());
    return callWith(object, method, name, args, std::index_sequence_for<P...>{});
}

template <class I>
struct DispatchMethod {
    std::string_view name;
    oleaut::Variant (*call)(I& object, std::string_view label, com::Arguments args);
};

template <auto Method, class I>
oleaut::Variant callThrough(I& object, std::string_view label, com::Arguments args) {
    return callMethod(object, Method, label, args);
}

template <auto Method, class I>
constexpr DispatchMethod<I> dispatchMethod(std::string_view name) {
    return {name, &callThrough<Method, I>};
}

template <class I>
struct DispatchTable {
    int32_t firstDispid;
    std::span<const DispatchMethod<I>> methods;

    // The method's dispatch identifier (names compare case-insensitively), or nullopt.
    std::optional<int32_t> dispidOf(std::string_view name) const;
    // The method of dispatch identifier dispid, or null.
    const DispatchMethod<I>* method(int32_t dispid) const noexcept {
        const int64_t index = int64_t{dispid} - firstDispid;
        if (index < 0 || index >= static_cast<int64_t>(methods.size())) return nullptr;
        return &methods[static_cast<size_t>(index)];
    }
};

// The first method of an interface has dispatch identifier 0x60030000 (in _Fiz_par 0x60030001).
inline constexpr int32_t kFirstDispid = 0x60030000;

template <class I>
std::optional<int32_t> DispatchTable<I>::dispidOf(std::string_view name) const {
    for (size_t i = 0; i < methods.size(); ++i) {
        if (com::sameName(methods[i].name, name)) return firstDispid + static_cast<int32_t>(i);
    }
    return std::nullopt;
}

// The dispatch table of interface I (defined for the ten interfaces).
template <class I>
const DispatchTable<I>& dispatchTable();

}  // namespace kalvik
