// What a record's fields are, for writing a record as a document and reading it back: each
// record type lists its fields once (RecordFields), and a visitor writes or reads them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <type_traits>

namespace config {

// A whole-number field of a packed record, reached through its bytes: record fields may be
// misaligned, so they are copied, never bound to a reference.
class IntField {
  public:
    template <typename T>
    static IntField Of(unsigned char* at) {
        static_assert(std::is_integral_v<T> && sizeof(T) <= 4);
        return IntField(at, sizeof(T), std::is_signed_v<T>);
    }

    std::int64_t Get() const;
    // The caller has checked that value lies within Min()..Max().
    void Set(std::int64_t value) const;
    std::int64_t Min() const;
    std::int64_t Max() const;

  private:
    IntField(unsigned char* at, std::size_t size, bool isSigned)
        : at_(at), size_(size), signed_(isSigned) {}

    unsigned char* at_;
    std::size_t size_;
    bool signed_;
};

// How a whole number reads in a document.
enum class IntStyle {
    Number,      // a number
    Flag,        // false/true for 0/1, any other value as a number
    Choice,      // a number, and the meaning of the list entry beside it
    Address,     // dotted IPv4 text, first field in the most significant byte
    HourMinute,  // "hh:mm" for hour * 256 + minute when it is one, else a number
    MinuteBE,    // a number kept in network byte order in the record
    DateTime,    // "yyyy-mm-dd hh:mm:ss" of the packed date and time
};

// How a run of bytes reads in a document.
enum class BytesStyle {
    Hex,    // bytes no page shows, two hex digits each
    Mac,    // "aa:bb:cc:dd:ee:ff"
    Flags,  // a list with one flag per byte
};

using ChoiceNames = std::span<const char* const>;

class FieldVisitor {
  public:
    virtual ~FieldVisitor() = default;

    virtual void Int(const char* name, IntField field, IntStyle style, ChoiceNames names) = 0;
    // A zero-terminated UTF-8 text field; a secret is written only when asked for.
    virtual void Text(const char* name, std::span<char> field, bool secret) = 0;
    virtual void Bytes(const char* name, std::span<std::uint8_t> bytes, BytesStyle style) = 0;
    virtual void Object(const char* name, const std::function<void(FieldVisitor&)>& body) = 0;
    // count entries at most; a document may hold fewer.
    virtual void List(const char* name, std::size_t count,
                      const std::function<void(FieldVisitor&, std::size_t)>& entry) = 0;

    // Shorthands used by the record lists.
    void Int(const char* name, IntField field, IntStyle style = IntStyle::Number) {
        Int(name, field, style, {});
    }
    void Choice(const char* name, IntField field, ChoiceNames names) {
        Int(name, field, IntStyle::Choice, names);
    }
    void Text(const char* name, std::span<char> field) { Text(name, field, false); }
    void Secret(const char* name, std::span<char> field) { Text(name, field, true); }
    void Hex(const char* name, std::span<std::uint8_t> bytes) {
        Bytes(name, bytes, BytesStyle::Hex);
    }
};

}  // namespace config

// The field `member` of `record` (an lvalue of a packed record type) as an IntField.
#define CONFIG_INT(record, member)                     \
    ::config::IntField::Of<decltype((record).member)>( \
        reinterpret_cast<unsigned char*>(&(record)) +  \
        offsetof(std::remove_reference_t<decltype(record)>, member))
