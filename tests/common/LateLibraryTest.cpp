#include "common/LateLibrary.h"

#include <gtest/gtest.h>
#include <openssl/evp.h>

// The safety copy's digests and the .xlsx export reach their libraries only
// through here: a library or a function that is not there must say so, never
// hand out a pointer to call.
TEST(LateLibrary, ResolvesTheFunctionsOfAnInstalledLibrary) {
    LateLibrary crypto(QStringLiteral("crypto"), 3);
    ASSERT_TRUE(crypto.load());
    decltype(EVP_sha256)* sha256 = nullptr;
    ASSERT_TRUE(crypto.resolve("EVP_sha256", sha256));
    EXPECT_NE(sha256(), nullptr);

    decltype(EVP_sha256)* missing = sha256;
    EXPECT_FALSE(crypto.resolve("EVP_no_such_function", missing));
    EXPECT_EQ(missing, nullptr);
}

TEST(LateLibrary, ALibraryThatIsNotInstalledDoesNotLoad) {
    LateLibrary absent(QStringLiteral("vellarmo-no-such-library"), 1);
    EXPECT_FALSE(absent.load());
}
