// Reading and writing the fixed-size text fields of records (names, information text).
// Texts here are bytes in the record's code page; see text/CodePage.h for conversion.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/Status.h"

namespace corva {

enum class FieldForm {
    Terminated,  // the text must be shorter than the field; the last byte stays 0
    Fitted,      // the text may fill the whole field
};

enum class FieldPadding { Blank, Zero };

// The text of a field: up to the first 0 or n - 1 bytes, leading and trailing blanks removed.
std::string TextFromField(std::span<const std::uint8_t> field);

// Writes `text` into the field. The terminated form pads with 0 whatever `padding` says.
// A text that does not fit is refused with "char Len error!" and the field keeps its content.
Status TextToField(std::span<std::uint8_t> field, std::string_view text, FieldForm form,
                   FieldPadding padding = FieldPadding::Zero);

// The refusal message of TextToField.
UiText TextLengthError();

}  // namespace corva
