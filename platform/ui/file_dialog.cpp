#include "platform/ui/file_dialog.hpp"

#include "platform/ui/mode.hpp"
#include "platform/ui/window_file_dialog.hpp"

#include <iostream>
#include <utility>

namespace ui {
namespace {

FileResponder& installedResponder() {
    static FileResponder responder;
    return responder;
}

std::optional<std::string> askTheUser(const FileRequest& request) {
    // A copy: the responder may replace itself while it answers.
    if (FileResponder responder = installedResponder()) return responder(request);
    if (mode() == Mode::Window) return detail::showWindowFileDialog(request);
    std::cerr << request.title << ": no display to choose a file on; cancelled" << std::endl;
    return std::nullopt;
}

}  // namespace

std::string withDefaultExtension(std::string path, const std::string& extension) {
    const std::size_t slash = path.rfind('/');
    const std::size_t name = slash == std::string::npos ? 0 : slash + 1;
    if (extension.empty() || name == path.size()) return path;
    if (path.find('.', name) == std::string::npos) path += "." + extension;
    return path;
}

std::optional<std::string> chooseFile(const FileRequest& request) {
    std::optional<std::string> chosen = askTheUser(request);
    if (chosen && request.kind != FileDialogKind::Folder) {
        *chosen = withDefaultExtension(std::move(*chosen), request.defaultExtension);
    }
    return chosen;
}

FileResponder setFileResponder(FileResponder responder) {
    return std::exchange(installedResponder(), std::move(responder));
}

}  // namespace ui
