#pragma once
// The edited fields by name, with the words of the dialog's captions for their
// values ("resolution=FULLHD", "speaker=LOW", "timezone=540"), for reading and
// setting a record from the command line.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/setup_record.h"

namespace motrevix::config {

struct FieldWord {
  std::string_view word;  // as the dialog's caption reads, upper case, without blanks
  std::int32_t value;     // the record value it stands for
};

struct EditedField {
  std::string_view name;
  std::size_t offset;
  std::vector<FieldWord> words;  // empty for the time zone, whose words are minute offsets
};

const std::vector<EditedField>& EditedFields();
const EditedField* FindEditedField(std::string_view name);

// The word of a stored value, or nothing for a value the dialog has no control for.
std::optional<std::string> WordForValue(const EditedField& field, std::int32_t value);

// The record value a word stands for; case, blanks and underscores do not matter, and
// "30fps", "30" or "5min", "5" are the same. Nothing for a word the field does not have.
std::optional<std::int32_t> ValueForWord(const EditedField& field, std::string_view word);

// The accepted words of a field, for messages: "HD, FULLHD".
std::string DescribeWords(const EditedField& field);

}  // namespace motrevix::config
