#include "app/update_libraries.h"

#include <dlfcn.h>
#include <openssl/opensslv.h>

namespace {

template <typename Function>
bool Resolve(void* library, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

// By the names the run-time packages install (libcurl4, libssl3), which the
// package depends on; the development links may be missing where it runs.
static_assert(OPENSSL_VERSION_MAJOR == 3, "the cipher library is loaded as libcrypto.so.3");

void* OpenLibrary(const char* soname)
{
    return dlopen(soname, RTLD_NOW | RTLD_LOCAL);
}

const CurlFunctions* ResolveCurl(CurlFunctions& f)
{
    void* library = OpenLibrary("libcurl.so.4");
    if (!library)
        return nullptr;
    if (Resolve(library, "curl_global_init", f.globalInit) && Resolve(library, "curl_easy_init", f.easyInit)
        && Resolve(library, "curl_easy_setopt", f.easySetopt) && Resolve(library, "curl_easy_perform", f.easyPerform)
        && Resolve(library, "curl_easy_getinfo", f.easyGetinfo) && Resolve(library, "curl_easy_cleanup", f.easyCleanup))
        return &f;
    dlclose(library);
    return nullptr;
}

const CryptoFunctions* ResolveCrypto(CryptoFunctions& f)
{
    void* library = OpenLibrary("libcrypto.so.3");
    if (!library)
        return nullptr;
    if (Resolve(library, "EVP_CIPHER_CTX_new", f.cipherNew) && Resolve(library, "EVP_CIPHER_CTX_free", f.cipherFree)
        && Resolve(library, "EVP_aes_256_cbc", f.aes256Cbc) && Resolve(library, "EVP_DecryptInit_ex", f.decryptInit)
        && Resolve(library, "EVP_CIPHER_CTX_set_padding", f.setPadding)
        && Resolve(library, "EVP_DecryptUpdate", f.decryptUpdate)
        && Resolve(library, "EVP_DecryptFinal_ex", f.decryptFinal))
        return &f;
    dlclose(library);
    return nullptr;
}

}  // namespace

const CurlFunctions* LoadCurl()
{
    static CurlFunctions functions;
    static const CurlFunctions* const loaded = ResolveCurl(functions);
    return loaded;
}

const CryptoFunctions* LoadCrypto()
{
    static CryptoFunctions functions;
    static const CryptoFunctions* const loaded = ResolveCrypto(functions);
    return loaded;
}
