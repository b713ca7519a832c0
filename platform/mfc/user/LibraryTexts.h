// The class library's own texts, as its Chinese edition shows them (GBK at run time). The data
// exchange shows them when a field is refused; %1 and %2 stand for the bounds. The first two are
// the platform's; the others are worded to match them.
#pragma once

namespace qelt::texts {

constexpr const char* kParseInt = "请输入一个整数。";
constexpr const char* kParseReal = "请输入一个数字。";
constexpr const char* kParseUInt = "请输入一个正整数。";
constexpr const char* kIntRange = "请输入一个介于 %1 和 %2 之间的整数。";
constexpr const char* kRealRange = "请输入一个介于 %1 和 %2 之间的数字。";
constexpr const char* kStringSize = "请输入不超过 %1 个字符。";

}  // namespace qelt::texts
