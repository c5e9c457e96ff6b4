#include "protocol/TextField.h"

#include <algorithm>

namespace corva {

std::string TextFromField(std::span<const std::uint8_t> field) {
    if (field.empty()) {
        return {};
    }
    const auto limit = field.begin() + static_cast<std::ptrdiff_t>(field.size() - 1);
    const auto end = std::find(field.begin(), limit, std::uint8_t{0});
    std::string text(field.begin(), end);
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

UiText TextLengthError() {
    return Tr("Connection", "char Len error!");
}

Status TextToField(std::span<std::uint8_t> field, std::string_view text, FieldForm form,
                   FieldPadding padding) {
    const bool fits =
        form == FieldForm::Terminated ? text.size() < field.size() : text.size() <= field.size();
    if (!fits) {
        return Status::Fail(TextLengthError());
    }
    std::copy(text.begin(), text.end(), field.begin());
    const std::uint8_t fill =
        form == FieldForm::Fitted && padding == FieldPadding::Blank ? 0x20 : 0x00;
    std::fill(field.begin() + static_cast<std::ptrdiff_t>(text.size()), field.end(), fill);
    return Status::Ok();
}

}  // namespace corva
