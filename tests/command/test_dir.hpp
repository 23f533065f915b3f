// A fresh folder for a test's files under the test temp folder. Its name
// has a random part, so that test runs of several builds at the same time
// never share one.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

inline std::filesystem::path NewTestDir(const std::string& label) {
    std::random_device random;
    for (;;) {
        const std::filesystem::path dir =
            std::filesystem::path(::testing::TempDir()) / ("xlat_" + label + "_" + std::to_string(random()));
        if (std::filesystem::create_directory(dir)) return dir;
    }
}
