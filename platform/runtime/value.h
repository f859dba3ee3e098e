// The dynamic value and the shared 1-based array, for the interfaces that
// take mixed arrays (point arrays with colours, chart and legend arrays,
// array cloning). Everything else in the program is typed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

class Value;

// A growable array of values with indexes from 1. Copies share the elements
// (like references); a default-constructed array is the null array, which has
// no elements and cannot grow.
class Array {
public:
    Array() = default;
    explicit Array(std::size_t length);
    Array(std::initializer_list<Value> elements);

    bool IsNull() const { return !elements_; }
    std::size_t Len() const;

    // Element `index` (1 .. Len()); throws std::out_of_range otherwise.
    Value& operator[](std::size_t index);
    const Value& operator[](std::size_t index) const;

    // Both throw std::logic_error on the null array.
    void Add(Value element);
    void Resize(std::size_t length);

    // TRUE when both are the same array (not merely equal contents).
    bool Same(const Array& other) const { return elements_ == other.elements_; }

    std::vector<Value>::iterator begin();
    std::vector<Value>::iterator end();
    std::vector<Value>::const_iterator begin() const;
    std::vector<Value>::const_iterator end() const;

private:
    std::shared_ptr<std::vector<Value>> elements_;
};

class Value {
public:
    // A colour as 24-bit RGB with red in the low byte.
    struct Color {
        std::uint32_t rgb = 0;
        bool operator==(const Color&) const = default;
    };
    struct Dimension {
        int width = 0;
        int height = 0;
        bool operator==(const Dimension&) const = default;
    };
    using CodeBlock = std::function<Value(const std::vector<Value>&)>;

    enum class Kind { Nil, Number, Text, Logic, Array, Color, Dimension, CodeBlock };

    Value() = default;
    template <typename T>
    requires(std::is_arithmetic_v<T> && !std::is_same_v<T, bool>) Value(T number) : data_(static_cast<double>(number))
    {
    }
    Value(bool logic) : data_(logic) {}
    Value(const char* text) : data_(std::string(text)) {}
    Value(std::string text) : data_(std::move(text)) {}
    Value(::Array array) : data_(std::move(array)) {}
    Value(Color color) : data_(color) {}
    Value(Dimension dimension) : data_(dimension) {}
    Value(CodeBlock block) : data_(std::move(block)) {}

    Kind GetKind() const { return static_cast<Kind>(data_.index()); }
    bool IsNil() const { return GetKind() == Kind::Nil; }
    bool IsNumber() const { return GetKind() == Kind::Number; }
    bool IsText() const { return GetKind() == Kind::Text; }
    bool IsLogic() const { return GetKind() == Kind::Logic; }
    bool IsArray() const { return GetKind() == Kind::Array; }
    bool IsColor() const { return GetKind() == Kind::Color; }
    bool IsDimension() const { return GetKind() == Kind::Dimension; }
    bool IsCodeBlock() const { return GetKind() == Kind::CodeBlock; }

    // The value of its kind; the wrong kind throws std::bad_variant_access.
    double AsNumber() const { return std::get<double>(data_); }
    const std::string& AsText() const { return std::get<std::string>(data_); }
    bool AsLogic() const { return std::get<bool>(data_); }
    const ::Array& AsArray() const { return std::get<::Array>(data_); }
    Color AsColor() const { return std::get<Color>(data_); }
    Dimension AsDimension() const { return std::get<Dimension>(data_); }
    const CodeBlock& AsCodeBlock() const { return std::get<CodeBlock>(data_); }

    // Calls the code block with the arguments.
    Value Eval(const std::vector<Value>& arguments = {}) const { return AsCodeBlock()(arguments); }

    // Equal kind and value; arrays are equal when they are the same array;
    // code blocks are never equal.
    bool operator==(const Value& other) const;

private:
    std::variant<std::monostate, double, std::string, bool, ::Array, Color, Dimension, CodeBlock> data_;
};
