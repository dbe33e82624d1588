#include "TempSettings.h"

#include "config/ProxyConfig.h"
#include "config/cOptionen.h"
#include "platform/Transfer.h"

#include <gtest/gtest.h>

TEST(ProxyConfig, FreshSettingsUseTheSystemProxy) {
    TempSettings t;
    EXPECT_EQ(ProxyConfig::getAccessType(), 0);
    EXPECT_EQ(ProxyConfig::getProxyText(), QStringLiteral(":0"));
    Transfer transfer;
    ProxyConfig::configure(transfer);
    EXPECT_EQ(transfer.accessType(), Transfer::SystemProxy);
    EXPECT_EQ(transfer.proxy(), QStringLiteral(":0"));
}

TEST(ProxyConfig, NamedProxyOnlyWithAccessTypeTwo) {
    TempSettings t;
    cOptionen& o = options();
    o.ProxyAddress = QStringLiteral("proxy.intern");
    o.ProxyPort = QStringLiteral("8080");

    o.ProxyAccessType = QStringLiteral("1");
    EXPECT_EQ(ProxyConfig::getAccessType(), 1);
    EXPECT_EQ(ProxyConfig::getProxyText(), QStringLiteral(":0"));
    EXPECT_EQ(o.ProxyAddress, QStringLiteral("proxy.intern")); // stays stored

    o.ProxyAccessType = QStringLiteral("2");
    EXPECT_EQ(ProxyConfig::getProxyText(), QStringLiteral("proxy.intern:8080"));

    o.ProxyAddress.clear();
    EXPECT_EQ(ProxyConfig::getAccessType(), 2);
    EXPECT_EQ(ProxyConfig::getProxyText(), QStringLiteral(":8080"));
    o.ProxyPort.clear();
    EXPECT_EQ(ProxyConfig::getProxyText(), QStringLiteral(":0"));

    o.ProxyAddress = QStringLiteral("p");
    o.ProxyPort = QStringLiteral("80a");
    EXPECT_EQ(ProxyConfig::getProxyText(), QStringLiteral("p:0"));
    o.ProxyPort = QStringLiteral("50000");
    EXPECT_EQ(ProxyConfig::getProxyPort(), 50000);
}

TEST(ProxyConfig, NonNumericAccessTypeCountsAsSystemSettings) {
    TempSettings t;
    options().ProxyAccessType = QStringLiteral("zwei");
    EXPECT_EQ(ProxyConfig::getAccessType(), 0);
    options().ProxyAccessType = QStringLiteral(" 2 ");
    // The host is only used for exactly "2".
    options().ProxyAddress = QStringLiteral("h");
    EXPECT_EQ(ProxyConfig::getProxyHost(), QString());
}
