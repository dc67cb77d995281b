#include "host/framework/FormLoading.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sys/stat.h>

namespace Orvo {

namespace {

[[noreturn]] void CannotRead(const std::string& path, const std::string& why) {
    throw EReadError(path, 0, why);
}

}  // namespace

std::string ReadFormDescriptionFile(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) CannotRead(path, std::string("cannot open: ") + std::strerror(errno));
    if (S_ISDIR(info.st_mode)) CannotRead(path, std::string("cannot read: ") + std::strerror(EISDIR));
    if (S_ISREG(info.st_mode) && std::size_t(info.st_size) > MaxFormDescriptionBytes)
        CannotRead(path, "the file is larger than a form description may be (" +
                             std::to_string(MaxFormDescriptionBytes >> 20) + " MB)");
    errno = 0;
    std::ifstream file(path, std::ios::binary);
    if (!file) CannotRead(path, std::string("cannot open: ") + std::strerror(errno ? errno : ENOENT));
    // Read in pieces, so a file that grows or a device that never ends is
    // refused at the limit instead of being read whole.
    std::string text;
    char buffer[1 << 16];
    while (file.read(buffer, sizeof buffer) || file.gcount() > 0) {
        text.append(buffer, std::size_t(file.gcount()));
        if (text.size() > MaxFormDescriptionBytes)
            CannotRead(path, "the file is larger than a form description may be (" +
                                 std::to_string(MaxFormDescriptionBytes >> 20) + " MB)");
        if (!file) break;
    }
    if (file.bad()) CannotRead(path, std::string("cannot read: ") + std::strerror(errno ? errno : EIO));
    return text;
}

void LoadFormInto(TCustomForm* form, std::string_view text, const std::string& fileName,
                  const TFormHandlers& handlers) {
    try {
        ReadComponentText(form, text, fileName, &handlers);
    } catch (...) {
        delete form;
        throw;
    }
    if (form->Owner() == Application) Application->AdoptForm(form);
    form->AfterConstruction();
}

}  // namespace Orvo
