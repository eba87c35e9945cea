// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sapi_voice.h"

#include <windows.h>

#include <sapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

namespace vorlane {

namespace {

// Where the desktop voices are listed; the header of the compiler's own SDK does not name it.
constexpr wchar_t kVoices[] = L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Speech\\Voices";
// Italian, as Windows numbers the languages.
constexpr wchar_t kItalian[] = L"Language=410";
// Each step of the rate is about a ninth: one step down is 152 words a minute instead of 170,
// which a child follows without it dragging.
constexpr long kChildRate = -1;

template <typename T>
void release(T*& object) {
    if (object != nullptr) {
        object->Release();
        object = nullptr;
    }
}

bool screenReaderRuns() {
    BOOL running = FALSE;
    return SystemParametersInfoW(SPI_GETSCREENREADER, 0, &running, 0) != 0 && running != FALSE;
}

void giveUp(const char* why) {
    std::fprintf(stderr, "vorlane: %s; si gioca in silenzio.\n", why);
}

class SapiVoice final : public Voice {
  public:
    SapiVoice() = default;
    SapiVoice(const SapiVoice&) = delete;
    SapiVoice& operator=(const SapiVoice&) = delete;
    ~SapiVoice() override {
        if (voice_ != nullptr) {
            // The last words, the farewell, go on to their end, and no longer than kLastWords.
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                lastWordsEnd_ - std::chrono::steady_clock::now());
            voice_->WaitUntilDone(static_cast<ULONG>(std::max<long long>(left.count(), 0)));
            voice_->Speak(nullptr, SPF_PURGEBEFORESPEAK, nullptr);
        }
        release(voice_);
        if (comReady_) {
            CoUninitialize();
        }
    }

    void say(const QString& text) override {
        if (!started_) {
            started_ = true;
            start();
        }
        if (voice_ == nullptr) {
            return;
        }
        // Cut off what it was saying: Enter, Enter never leaves a backlog of old problems.
        const std::wstring words = text.toStdWString();
        lastWordsEnd_ = std::chrono::steady_clock::now() + kLastWords;
        voice_->Speak(words.c_str(), SPF_ASYNC | SPF_PURGEBEFORESPEAK | SPF_IS_NOT_XML, nullptr);
    }

  private:
    void start() {
        if (screenReaderRuns()) {
            std::fputs(
                "vorlane: è attivo un lettore di schermo; la voce del gioco tace per non "
                "parlargli sopra.\n",
                stderr);
            return;
        }
        // Qt has readied the window's thread for COM already; the call then only counts.
        comReady_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
        ISpObjectToken* italian = italianVoice();
        if (italian == nullptr) {
            giveUp("Windows non ha una voce italiana");
            return;
        }
        if (FAILED(CoCreateInstance(CLSID_SpVoice, nullptr, CLSCTX_ALL, IID_ISpVoice,
                                    reinterpret_cast<void**>(&voice_))) ||
            FAILED(voice_->SetVoice(italian))) {
            giveUp("la voce di Windows non risponde");
            release(voice_);
        } else {
            voice_->SetRate(kChildRate);
        }
        release(italian);
    }

    static ISpObjectToken* italianVoice() {
        ISpObjectTokenCategory* category = nullptr;
        IEnumSpObjectTokens* tokens = nullptr;
        ISpObjectToken* first = nullptr;
        if (SUCCEEDED(CoCreateInstance(CLSID_SpObjectTokenCategory, nullptr, CLSCTX_ALL,
                                       IID_ISpObjectTokenCategory,
                                       reinterpret_cast<void**>(&category))) &&
            SUCCEEDED(category->SetId(kVoices, FALSE)) &&
            SUCCEEDED(category->EnumTokens(kItalian, nullptr, &tokens))) {
            if (tokens->Next(1, &first, nullptr) != S_OK) {
                first = nullptr;
            }
        }
        release(tokens);
        release(category);
        return first;
    }

    bool started_ = false;
    bool comReady_ = false;
    ISpVoice* voice_ = nullptr;
    std::chrono::steady_clock::time_point lastWordsEnd_;
};

}  // namespace

std::unique_ptr<Voice> sapiVoice() {
    return std::make_unique<SapiVoice>();
}

}  // namespace vorlane
