// Japanese texts of the engine's failures and fixed descriptions.
#include "tivex_engine.h"

namespace tivex {

namespace {

struct FailureText {
    Failure failure;
    std::string_view text; // "{}" stands for the limit and its unit
};

constexpr FailureText FailureTexts[] = {
    {Failure::EmptyPath, "ファイルが指定されていません"},
    {Failure::NotAbsolute, "フルパスで指定してください"},
    {Failure::NoFileName, "ファイル名がありません。ファイルを指定してください"},
    {Failure::DriveTooLong, "ドライブ名が長すぎます（{}まで）"},
    {Failure::FolderTooLong, "フォルダーのパスが長すぎます（{}まで）"},
    {Failure::BaseTooLong, "ファイル名が長すぎます（{}まで）"},
    {Failure::ExtTooLong, "拡張子が長すぎます（{}まで）"},
    {Failure::NotFound, "ファイルが見つかりません"},
    {Failure::IsFolder, "フォルダーです。ファイルを指定してください"},
    {Failure::AccessDenied, "ファイルを読み込めません（アクセスが拒否されました）"},
    {Failure::NotRegular, "通常のファイルではありません"},
    {Failure::ReadError, "ファイルを読み込めません（読み込みエラー）"},
};

} // namespace

std::string failureReason(Failure failure, size_t limit, LimitUnit unit)
{
    for (const FailureText &entry : FailureTexts) {
        if (entry.failure != failure)
            continue;
        std::string text(entry.text);
        if (const size_t at = text.find("{}"); at != std::string::npos)
            text.replace(at, 2, std::to_string(limit) + (unit == LimitUnit::Bytes ? " バイト" : " 文字"));
        return text;
    }
    return {};
}

} // namespace tivex
