#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

// A fresh temporary folder that is the working directory for one test, with
// helpers to write and read files as bytes. Restores the old working
// directory and removes the folder afterwards.
class arbeitsordner : public ::testing::Test {
  protected:
    void SetUp() override {
        alt_ = std::filesystem::current_path();
        std::mt19937_64 zufall{std::random_device{}()};
        do {
            ordner_ = std::filesystem::temp_directory_path() /
                      ("tamvoril-" + std::to_string(zufall() % 1000000000));
        } while (!std::filesystem::create_directory(ordner_));
        std::filesystem::current_path(ordner_);
    }

    void TearDown() override {
        std::filesystem::current_path(alt_);
        // Windows removes no read-only file.
        std::filesystem::permissions(ordner_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add);
        for (const auto& eintrag : std::filesystem::recursive_directory_iterator(ordner_)) {
            if (!eintrag.is_symlink()) {
                std::filesystem::permissions(eintrag.path(), std::filesystem::perms::owner_all,
                                             std::filesystem::perm_options::add);
            }
        }
        std::filesystem::remove_all(ordner_);
    }

    static void schreiben(const std::filesystem::path& datei, const std::string& inhalt) {
        std::ofstream aus(datei, std::ios::binary | std::ios::trunc);
        aus << inhalt;
    }

    static std::string lesen(const std::filesystem::path& datei) {
        std::ifstream ein(datei, std::ios::binary);
        return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
    }

    static std::string demotext() {
        return lesen(std::string(DEMO_ORDNER) + "ApplicationSettings.xml");
    }

    // Puts `text` as the settings file into a subfolder and points "ini.txt"
    // at it; returns the file's path.
    std::filesystem::path einstellungen(const std::string& text) {
        std::filesystem::create_directory(ordner_ / "daten");
        schreiben(ordner_ / "daten" / "ApplicationSettings.xml", text);
        schreiben("ini.txt", (ordner_ / "daten").string() + "/");
        return ordner_ / "daten" / "ApplicationSettings.xml";
    }

    std::filesystem::path ordner_;

  private:
    std::filesystem::path alt_;
};
