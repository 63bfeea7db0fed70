#include "platform/base/FileException.h"

#include <cerrno>

CFileException::Cause CFileException::CauseFromErrno(int err) {
    switch (err) {
    case 0:
        return none;
    case ENOENT:
        return fileNotFound;
    case EEXIST:
        return fileExists;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return badPath;
    case EMFILE:
    case ENFILE:
        return tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
        return accessDenied;
    case EISDIR:
    case ENODEV:
    case ENXIO:
        return invalidFile;
    case EWOULDBLOCK:
        return sharingViolation;
    case ENOSPC:
    case EDQUOT:
        return diskFull;
    case EFBIG:
    case EOVERFLOW:
        return fileTooLarge;
    case EIO:
        return hardIO;
    case ESPIPE:
    case EINVAL:
        return badSeek;
    default:
        return genericException;
    }
}

std::string CFileException::BackupProblem() const {
    switch (m_lOsError) {
    case EACCES:
    case EROFS:
        return "フォルダーに書き込む権限がないため、";
    case EPERM:
        return "同じ名前のほかのユーザーのファイルを置き換えられないため、";
    case EISDIR:
        return "同じ名前のフォルダーがあるため、";
    case ENAMETOOLONG:
        return "名前が長すぎるため、";
    case ENOSPC:
    case EDQUOT:
        return "ディスクがいっぱいのため、";
    default:
        return std::string();
    }
}

std::string CFileException::GetErrorMessage() const {
    const std::string& f = m_strFileName;
    switch (m_cause) {
    case none:
        return std::string();
    case fileNotFound:
        return f + " が見つかりません。";
    case badPath:
        return f + " のパスが正しくありません。";
    case tooManyOpenFiles:
        return "開いているファイルが多すぎます。";
    case accessDenied:
        return f + " にアクセスできません。";
    case invalidFile:
        return f + " はファイルではありません。";
    case directoryFull:
        return "ディレクトリがいっぱいです。";
    case badSeek:
        return f + " のシークでエラーが発生しました。";
    case hardIO:
        return f + " の読み書き中にハードウェアエラーが発生しました。";
    case sharingViolation:
    case lockViolation:
        return f + " は他で使用中のため開けません。";
    case diskFull:
        return f.empty() ? "ディスクがいっぱいです。"
                         : "ディスクがいっぱいのため、" + f + " に書き込めません。";
    case endOfFile:
        return f + " の終わりを越えて読み込もうとしました。";
    case fileTooLarge:
        return f + " は 2GB - 1 バイト以上あるため開けません。";
    case fileChanged:
        return f + " はほかのプログラムによって短くされたため、これ以上読み込めません。";
    case readOnlyFile:
        return f + " は読み取り専用のため、上書きできません。";
    case tempNotCreated:
        return f +
               " のあるフォルダーに書き込む権限がないため、保存に使う一時ファイルを作れません。";
    case stickyFolder:
        return f + " はほかのユーザーのもので、そのフォルダーはスティッキー ビット付きのため、"
                   "置き換えられません。";
    case backupNotCreated:
        return BackupProblem() + "バックアップ " + f + " を作れません。";
    case sizeUnknown:
        return f + " は前もって大きさが分からないファイルで、読み込むうちにオンメモリ編集の上限を"
                   "超えたため開けません。";
    case fileExists:
        return f + " はすでにあるため、新しく作れません。";
    case genericException:
        break;
    }
    return f + " へのアクセス中にエラーが発生しました。";
}
