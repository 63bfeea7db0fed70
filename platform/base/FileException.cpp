#include "platform/base/FileException.h"

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
    case reservedName:
        return f + " は装置の名前 (CON、PRN、AUX、NUL、COM1、LPT1 など) "
                   "のため、ファイルとして使えません。";
    case genericException:
        break;
    }
    return f + " へのアクセス中にエラーが発生しました。";
}
