#pragma once

#include <curl/curl.h>
#include <openssl/evp.h>

// The FTP library and the cipher library serve only the update check at close,
// and pull a long chain of their own (TLS, Kerberos, ...): they are loaded when
// a check is due, not at start. Their headers give the types and constants only.

struct CurlFunctions {
    decltype(&curl_global_init) globalInit = nullptr;
    decltype(&curl_easy_init) easyInit = nullptr;
    decltype(&curl_easy_setopt) easySetopt = nullptr;
    decltype(&curl_easy_perform) easyPerform = nullptr;
    decltype(&curl_easy_getinfo) easyGetinfo = nullptr;
    decltype(&curl_easy_cleanup) easyCleanup = nullptr;
};

struct CryptoFunctions {
    decltype(&EVP_CIPHER_CTX_new) cipherNew = nullptr;
    decltype(&EVP_CIPHER_CTX_free) cipherFree = nullptr;
    decltype(&EVP_aes_256_cbc) aes256Cbc = nullptr;
    decltype(&EVP_DecryptInit_ex) decryptInit = nullptr;
    decltype(&EVP_CIPHER_CTX_set_padding) setPadding = nullptr;
    decltype(&EVP_DecryptUpdate) decryptUpdate = nullptr;
    decltype(&EVP_DecryptFinal_ex) decryptFinal = nullptr;
};

// Loads the library on the first call and keeps it for the rest of the process;
// null when it cannot be loaded or lacks one of the functions.
const CurlFunctions* LoadCurl();
const CryptoFunctions* LoadCrypto();
