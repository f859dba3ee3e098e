#include "platform/runtime/value.h"

#include <stdexcept>

Array::Array(std::size_t length) : elements_(std::make_shared<std::vector<Value>>(length))
{
}

Array::Array(std::initializer_list<Value> elements) : elements_(std::make_shared<std::vector<Value>>(elements))
{
}

std::size_t Array::Len() const
{
    return elements_ ? elements_->size() : 0;
}

Value& Array::operator[](std::size_t index)
{
    if (index < 1 || index > Len()) throw std::out_of_range("array index " + std::to_string(index));
    return (*elements_)[index - 1];
}

const Value& Array::operator[](std::size_t index) const
{
    return const_cast<Array&>(*this)[index];
}

void Array::Add(Value element)
{
    if (!elements_) throw std::logic_error("null array");
    elements_->push_back(std::move(element));
}

void Array::Resize(std::size_t length)
{
    if (!elements_) throw std::logic_error("null array");
    elements_->resize(length);
}

namespace {
std::vector<Value> gNoElements;
}

std::vector<Value>::iterator Array::begin()
{
    return elements_ ? elements_->begin() : gNoElements.begin();
}
std::vector<Value>::iterator Array::end()
{
    return elements_ ? elements_->end() : gNoElements.end();
}
std::vector<Value>::const_iterator Array::begin() const
{
    return elements_ ? elements_->cbegin() : gNoElements.cbegin();
}
std::vector<Value>::const_iterator Array::end() const
{
    return elements_ ? elements_->cend() : gNoElements.cend();
}

bool Value::operator==(const Value& other) const
{
    if (GetKind() != other.GetKind()) return false;
    switch (GetKind()) {
    case Kind::Nil: return true;
    case Kind::Number: return AsNumber() == other.AsNumber();
    case Kind::Text: return AsText() == other.AsText();
    case Kind::Logic: return AsLogic() == other.AsLogic();
    case Kind::Array: return AsArray().Same(other.AsArray());
    case Kind::Color: return AsColor() == other.AsColor();
    case Kind::Dimension: return AsDimension() == other.AsDimension();
    case Kind::CodeBlock: return false;
    }
    return false;
}
