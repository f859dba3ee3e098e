// Data servers: sources of records whose fields a data list view shows. A
// server describes each field (its name and label, the kind of value and its
// length) and hands out the records' values as the texts a view shows.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/framework/window.h"

// How a field's values look: its label (the caption shown for it), the kind
// of value by its letter (C characters, M memo, N number, D date, L logic
// value) and its length in characters.
struct FieldSpec {
    ::HyperLabel hyperLabel;
    char valType = 'C';
    int length = 0;
};

// A field of a server: its name (in the hyper label), its value type and its length.
struct DataField {
    ::HyperLabel hyperLabel;
    FieldSpec fieldSpec;
};

// A source of records, fields and records counted from 1.
class DataServer {
public:
    virtual ~DataServer() = default;
    virtual int FCount() const = 0;
    // Field n, or null when the server has none of that number.
    virtual const ::DataField* DataField(int n) const = 0;
    virtual int RecCount() const = 0;
    // The value of a field of a record as text; empty outside the records.
    virtual std::string FieldValue(int record, int field) const = 0;
    // The number of the field of that name (any case); 0 for none.
    int FieldPos(std::string_view name) const;
};

// A server that keeps its fields and records in memory.
class MemoryServer : public DataServer {
public:
    explicit MemoryServer(std::vector<::DataField> fields) : fields_(std::move(fields)) {}
    // Appends a record: one value per field, missing ones empty.
    void Append(std::vector<std::string> values) { records_.push_back(std::move(values)); }

    int FCount() const override { return static_cast<int>(fields_.size()); }
    const ::DataField* DataField(int n) const override;
    int RecCount() const override { return static_cast<int>(records_.size()); }
    std::string FieldValue(int record, int field) const override;

private:
    std::vector<::DataField> fields_;
    std::vector<std::vector<std::string>> records_;
};
