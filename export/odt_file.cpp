#include "odt.h"

#include <zip.h>

namespace zefnaro {

bool saveOdt(const Report& report, std::string_view title, const std::string& path,
             std::string& why, const std::vector<CarriedFont>& fonts) {
    const std::vector<OdtPart> parts = odtParts(report, title, fonts);
    int code = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    const auto failed = [&](zip_error_t* error) {
        why = zip_error_strerror(error);
        return false;
    };
    if (!archive) {
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        failed(&error);
        zip_error_fini(&error);
        return false;
    }
    for (const OdtPart& part : parts) {
        // The buffers outlive the archive's writing: they are read at zip_close.
        zip_source_t* source = zip_source_buffer(archive, part.bytes.data(), part.bytes.size(), 0);
        const zip_int64_t index =
            source ? zip_file_add(archive, part.name.c_str(), source, ZIP_FL_ENC_UTF_8) : -1;
        if (index < 0) zip_source_free(source);
        if (index < 0 || zip_set_file_compression(archive, static_cast<zip_uint64_t>(index),
                                                  part.name == "mimetype" ? ZIP_CM_STORE : ZIP_CM_DEFLATE,
                                                  0) < 0) {
            failed(zip_get_error(archive));
            zip_discard(archive);
            return false;
        }
    }
    if (zip_close(archive) < 0) {
        failed(zip_get_error(archive));
        zip_discard(archive);
        return false;
    }
    return true;
}

} // namespace zefnaro
