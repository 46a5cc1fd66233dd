#include "form/bay_file_words.h"

#include "form/system_reason_words.h"
#include "os/shown_text.h"

namespace deckplate::form {
namespace {

using project::BayFileFault;
using project::Expected;

std::string_view ExpectedWords(Expected expected) {
    switch (expected) {
        case Expected::Object:
            return "{ … } 括起的一组项";
        case Expected::Text:
            return "引号中的文字";
        case Expected::TextOrNumber:
            return "数字或引号中的文字";
        case Expected::TrueOrFalse:
            return "true 或 false";
        case Expected::WholeNumber:
            return "整数";
    }
    return {};
}

}  // namespace

std::string ProjectTextWords(project::ProjectTextFault fault) {
    switch (fault) {
        case project::ProjectTextFault::NotUtf8:
            return "不是 UTF-8 文字";
        case project::ProjectTextFault::ControlCharacter:
            return "含有换行或其他控制字符，应为一行文字";
        case project::ProjectTextFault::TooLong:
            return "超过 " + std::to_string(project::kMostProjectCharacters) + " 个字";
        case project::ProjectTextFault::NotADate:
            return "不是有效的日期，应写作 年-月-日（YYYY-MM-DD），如 2024-05-31，或留空";
    }
    return {};
}

std::string BayFileProblemWords(const project::BayFileProblem& problem) {
    // What the file holds is shown safely: a key or a value may hold anything.
    project::BayFileProblem p = problem;
    p.key = os::ShownText(p.key);
    p.value = os::ShownText(p.value);
    const std::string key = "“" + p.key + "”";
    switch (p.fault) {
        case BayFileFault::CannotOpen:
            return "无法读取：" + SystemReasonWords(p.reason) + "。";
        case BayFileFault::IsFolder:
            return "这是一个文件夹，请选择 ." + std::string(project::kBayFileExtension) + " 文件。";
        case BayFileFault::NotAFile:
            return "这不是普通文件（而是设备、管道等），请选择 ." +
                   std::string(project::kBayFileExtension) + " 文件。";
        case BayFileFault::TooLarge:
            return "文件有 " + std::to_string(p.size) + " 字节，铺板计算文件至多 " +
                   std::to_string(project::kLargestBayFile) + " 字节。";
        case BayFileFault::NotJson:
            if (p.line == 0) return "文件中有超出数值范围的数。";
            return "文件内容不是有效的 JSON（第 " + std::to_string(p.line) + " 行第 " +
                   std::to_string(p.column) + " 列）。";
        case BayFileFault::Truncated:
            return "文件不完整，可能只写了一部分。";
        case BayFileFault::NotABayFile:
            return "这不是铺板计算文件（缺少 \"format\": \"" +
                   std::string(project::kBayFileFormat) + "\"）。";
        case BayFileFault::NewerVersion:
            return "文件格式版本为 " + std::to_string(p.version) +
                   "，由较新的程序写出；本程序只能读取版本 " +
                   std::to_string(project::kBayFileVersion) + " 及以前的文件，请升级程序。";
        case BayFileFault::WrongType:
            return key + "的值应为" + std::string(ExpectedWords(p.expected)) + "。";
        case BayFileFault::UnknownKey:
            return key + "不是铺板计算文件中的项。";
        case BayFileFault::RepeatedKey:
            return key + "出现了不止一次，请只保留一个。";
        case BayFileFault::Negative:
            return key + "不能为负数（" + p.value + "）。";
        case BayFileFault::UnknownAngle:
            return key + "中的角钢“" + p.value + "”不在型钢表中。";
        case BayFileFault::UnknownChoice:
            return key + "的值“" + p.value + "”不是 " + p.choices + " 之一。";
        case BayFileFault::ProjectText:
            return key + "的值“" + p.value + "”" + ProjectTextWords(p.text) + "。";
    }
    return {};
}

}  // namespace deckplate::form
