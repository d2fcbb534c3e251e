#include "core/text_rules.h"

#include "core/text_encoding.h"

namespace core {
namespace {

bool isBlankOrControl(char c) {
  return static_cast<unsigned char>(c) <= 0x20;
}

} // namespace

std::string trimBlanksAndControls(std::string_view text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && isBlankOrControl(text[begin]))
    ++begin;
  while (end > begin && isBlankOrControl(text[end - 1]))
    --end;
  return std::string(text.substr(begin, end - begin));
}

std::string firstNameCopy(std::string_view firstName) {
  return utf8Left(firstName, kFirstNameMaxLength);
}

std::string fixFirstName(std::string_view firstName) {
  std::string name = firstNameCopy(firstName);
  if (!name.empty() && name[0] >= 'a' && name[0] <= 'z')
    name[0] = static_cast<char>(name[0] - 'a' + 'A');
  return name;
}

} // namespace core
