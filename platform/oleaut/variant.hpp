#pragma once
// The automation variant: the value every method argument, field and working value of the library
// is. Its arithmetic, comparisons and conversions follow the classic rules the calculations rely
// on: Null propagates, comparisons with Null are Null, Empty counts as 0 or "".

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <variant>

#include "platform/oleaut/error.hpp"

namespace oleaut {

// Kind numbers as the automation type system numbers them.
enum class VarType : uint16_t {
    Empty = 0,
    Null = 1,
    Integer = 2,  // 16-bit
    Long = 3,     // 32-bit
    Single = 4,
    Double = 5,
    Currency = 6,
    Date = 7,
    String = 8,
    Object = 9,
    Boolean = 11,
};

// Kind name as scripts print it: "Empty", "Null", "Integer", ...
[[nodiscard]] const char* typeName(VarType type) noexcept;

// 64-bit integer scaled by 10,000.
struct Currency {
    static constexpr int64_t kScale = 10000;
    int64_t raw = 0;

    // Nearest currency value, halves to the even neighbour; fails with Overflow out of range.
    [[nodiscard]] static Currency fromDouble(double value);
    [[nodiscard]] double toDouble() const noexcept { return static_cast<double>(raw) / kScale; }
    friend bool operator==(Currency, Currency) = default;
};

// OLE date: days since 30 December 1899, the time of day as the fraction (for days before that
// date the fraction still counts forward from midnight: -1.25 is 29 December 1899, 06:00).
struct Date {
    static constexpr double kFirstDay = -657434.0;  // 1 January 100
    static constexpr double kLastDay = 2958465.0;   // 31 December 9999
    double value = 0.0;
    // Whether value is a moment of a day from the first to the last: the day of a value is its
    // whole part, so -657434.99 (1 January 100, 23:45:36) is one and -657435 is none; NaN is none.
    [[nodiscard]] static constexpr bool holds(double value) noexcept {
        return value > kFirstDay - 1 && value < kLastDay + 1;
    }
    friend bool operator==(Date, Date) = default;
};

// Anything a variant can hold as an object (dispatch objects, recordsets, commands).
class Object {
  public:
    virtual ~Object() = default;
};
using ObjectRef = std::shared_ptr<Object>;

struct NullValue {
    friend bool operator==(NullValue, NullValue) = default;
};
inline constexpr NullValue kNull{};

class Variant {
  public:
    Variant() noexcept = default;  // Empty
    Variant(NullValue) noexcept : v_(NullValue{}) {}
    Variant(bool b) noexcept : v_(b) {}
    Variant(int16_t i) noexcept : v_(i) {}
    Variant(int32_t l) noexcept : v_(l) {}
    // A floating value must be finite: infinity fails with Overflow, NaN with Invalid procedure
    // call, so that neither is ever stored. A date must lie in 100..9999 (Overflow).
    Variant(float f);
    Variant(double d);
    Variant(Currency c) noexcept : v_(c) {}
    Variant(Date d);
    Variant(std::string s) noexcept : v_(std::move(s)) {}
    Variant(std::string_view s) : v_(std::string(s)) {}
    Variant(const char* s) : v_(std::string(s)) {}
    Variant(ObjectRef o) noexcept : v_(std::move(o)) {}
    // Out of line: keeps the destruction of the string and object members in one place.
    ~Variant();
    Variant(const Variant&) = default;
    Variant(Variant&&) noexcept = default;
    Variant& operator=(const Variant&) = default;
    Variant& operator=(Variant&&) noexcept = default;
    // Other integer widths would pick a kind silently: say which one.
    Variant(int64_t) = delete;
    Variant(uint32_t) = delete;
    Variant(uint64_t) = delete;

    [[nodiscard]] VarType type() const noexcept { return kTypes[v_.index()]; }
    [[nodiscard]] bool isEmpty() const noexcept { return type() == VarType::Empty; }
    [[nodiscard]] bool isNull() const noexcept { return type() == VarType::Null; }
    [[nodiscard]] bool isString() const noexcept { return type() == VarType::String; }
    [[nodiscard]] bool isObject() const noexcept { return type() == VarType::Object; }
    // Boolean, Integer, Long, Single, Double, Currency or Date.
    [[nodiscard]] bool isNumeric() const noexcept;

    // The stored value of exactly that kind; any other kind fails with Type mismatch.
    [[nodiscard]] bool asBool() const { return get<bool>(); }
    [[nodiscard]] int16_t asInteger() const { return get<int16_t>(); }
    [[nodiscard]] int32_t asLong() const { return get<int32_t>(); }
    [[nodiscard]] float asSingle() const { return get<float>(); }
    [[nodiscard]] double asDouble() const { return get<double>(); }
    [[nodiscard]] Currency asCurrency() const { return get<Currency>(); }
    [[nodiscard]] Date asDate() const { return get<Date>(); }
    [[nodiscard]] const std::string& asString() const { return get<std::string>(); }
    [[nodiscard]] const ObjectRef& asObject() const { return get<ObjectRef>(); }

    // Same kind and same value (Null equals Null here): for tests and change tracking.
    friend bool identical(const Variant& a, const Variant& b) { return a.v_ == b.v_; }

  private:
    struct EmptyValue {
        friend bool operator==(EmptyValue, EmptyValue) = default;
    };
    using Storage = std::variant<EmptyValue, NullValue, bool, int16_t, int32_t, float, double,
                                 Currency, Date, std::string, ObjectRef>;
    static constexpr VarType kTypes[] = {VarType::Empty,   VarType::Null,     VarType::Boolean,
                                         VarType::Integer, VarType::Long,     VarType::Single,
                                         VarType::Double,  VarType::Currency, VarType::Date,
                                         VarType::String,  VarType::Object};

    template <class T>
    const T& get() const {
        if (const T* p = std::get_if<T>(&v_)) return *p;
        throw typeMismatchError();
    }

    Storage v_;
};

// Arithmetic. A Null operand gives Null (except concatenation, which treats Null as "" and gives
// Null only for Null & Null); Empty counts as 0 or "". Integer results that overflow their kind
// promote as automation does, and fail with Overflow where they cannot; "/" gives Double; an
// infinite result fails with Overflow, x / 0 with Division by zero, a NaN with Invalid procedure
// call: no NaN or infinity ever leaves this layer.
[[nodiscard]] Variant operator+(const Variant& a, const Variant& b);
[[nodiscard]] Variant operator-(const Variant& a, const Variant& b);
[[nodiscard]] Variant operator*(const Variant& a, const Variant& b);
[[nodiscard]] Variant operator/(const Variant& a, const Variant& b);
[[nodiscard]] Variant operator-(const Variant& a);
[[nodiscard]] Variant intDiv(const Variant& a, const Variant& b);  // a \ b
[[nodiscard]] Variant mod(const Variant& a, const Variant& b);     // a Mod b
[[nodiscard]] Variant pow(const Variant& a, const Variant& b);     // a ^ b
[[nodiscard]] Variant concat(const Variant& a, const Variant& b);  // a & b

// The check every floating result goes through.
[[nodiscard]] double checkedDouble(
    double value);  // infinity: Overflow; NaN: Invalid procedure call

// Three-valued comparisons: Boolean, or Null when either side is Null. Numbers compare by value
// (Empty as 0, True as -1), texts ordinally by character codes, Empty against text as "", a text
// against a number is read as a number (Type mismatch when it is not one); objects do not compare.
[[nodiscard]] Variant eq(const Variant& a, const Variant& b);
[[nodiscard]] Variant ne(const Variant& a, const Variant& b);
[[nodiscard]] Variant lt(const Variant& a, const Variant& b);
[[nodiscard]] Variant le(const Variant& a, const Variant& b);
[[nodiscard]] Variant gt(const Variant& a, const Variant& b);
[[nodiscard]] Variant ge(const Variant& a, const Variant& b);
[[nodiscard]] Variant And(const Variant& a, const Variant& b);
[[nodiscard]] Variant Or(const Variant& a, const Variant& b);
[[nodiscard]] Variant Not(const Variant& a);
[[nodiscard]] Variant Xor(const Variant& a, const Variant& b);

// A condition: Null counts as false, a number is true when non-zero, a text as CBool reads it.
[[nodiscard]] bool isTrue(const Variant& v);

// Conversions. Null fails with Invalid use of Null, a text that is not a number with Type
// mismatch, a value out of range with Overflow. CInt and CLng send halves to the even neighbour.
// Text is read with the regional decimal separator (dates with the regional short date, or as
// YYYY-MM-DD[ HH:MM[:SS]]); numbers are written in the general form of format.hpp, dates in the
// general-date form of datetime.hpp, Booleans as "True" and "False".
[[nodiscard]] double CDbl(const Variant& v);
[[nodiscard]] float CSng(const Variant& v);
[[nodiscard]] int16_t CInt(const Variant& v);
[[nodiscard]] int32_t CLng(const Variant& v);
[[nodiscard]] Currency CCur(const Variant& v);
[[nodiscard]] Date CDate(const Variant& v);
[[nodiscard]] std::string CStr(const Variant& v);
[[nodiscard]] bool CBool(const Variant& v);

// Round to n decimals, an exact half to the even neighbour (judged on the shortest round-trip
// decimal text, so 2.675 is a half). Null stays Null; a negative n fails.
[[nodiscard]] Variant Round(const Variant& v, int decimals = 0);
[[nodiscard]] double roundHalfEven(double value, int decimals);
[[nodiscard]] float roundHalfEven(float value,
                                  int decimals);  // judged on the Single's own shortest text

[[nodiscard]] Variant Fix(const Variant& v);  // towards zero, kind kept; Null stays Null
[[nodiscard]] Variant Int(const Variant& v);  // towards minus infinity, kind kept; Null stays Null
[[nodiscard]] Variant Abs(const Variant& v);  // Null stays Null; Integer -32768 becomes Long

}  // namespace oleaut
