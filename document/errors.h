#pragma once

#include <QString>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vantrel {

// Failures of the document layer. Each carries the UTF-8 text the error box shows.
class EVantrelError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
class EFOpenError : public EVantrelError {
  using EVantrelError::EVantrelError;
};
class EFCreateError : public EVantrelError {
  using EVantrelError::EVantrelError;
};
class EReadError : public EVantrelError {
  using EVantrelError::EVantrelError;
};
class EWriteError : public EVantrelError {
  using EVantrelError::EVantrelError;
};
class EOutOfResources : public EVantrelError {
  using EVantrelError::EVantrelError;
};
class EStringListError : public EVantrelError {
  using EVantrelError::EVantrelError;
};

inline constexpr std::string_view kOpenErrorMessage = "ﾌｧｲﾙ %s は開けません";
inline constexpr std::string_view kCreateErrorMessage = "ﾌｧｲﾙ %s を作成できません";
inline constexpr std::string_view kReadErrorMessage = "ﾌｧｲﾙ %s を読み込めません";
inline constexpr std::string_view kWriteErrorMessage = "ｽﾄﾘｰﾑへの書き込みｴﾗｰ";
inline constexpr std::string_view kInsertErrorMessage = "行を挿入できません";
inline constexpr std::string_view kIndexErrorMessage = "ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています";

// The message with %s replaced by the file name exactly as the operation got it.
std::string FileMessage(std::string_view pattern, const QString& fileName);

}  // namespace vantrel
