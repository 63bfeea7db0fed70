#include "platform/framework/ExceptionBoundary.h"

#include <exception>

#include "platform/base/FileException.h"
#include "platform/framework/SystemServices.h"

namespace {
const char kUnknownFailure[] = "処理を続けられませんでした。";
} // namespace

std::string CExceptionBoundary::DescribeCurrent() {
    try {
        throw;
    } catch (const CFileException& e) {
        std::string text = e.GetErrorMessage();
        return text.empty() ? kUnknownFailure : text;
    } catch (const std::bad_alloc&) {
        return "メモリが足りません。";
    } catch (const std::exception& e) {
        return std::string(kUnknownFailure) + "\n" + e.what();
    } catch (...) {
        return kUnknownFailure;
    }
}

void CExceptionBoundary::Report(const std::string& text) {
    static bool reporting = false;
    if (reporting) return;
    reporting = true;
    try {
        AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
    } catch (...) {
        // Nothing more can be said; the program goes on.
    }
    reporting = false;
}
