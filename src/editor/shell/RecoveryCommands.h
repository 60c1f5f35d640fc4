#pragma once

class LauncherDocument;
class RecoveryStore;
class UserDialogs;

namespace RecoveryCommands {
// At start-up: offers, one after another, the copies that editors which no longer run
// left behind, until the user restores one as Doc (true). Discarded copies are deleted;
// one the user closes the question on stays for the next start; a damaged one is set
// aside and named once.
bool OfferCopies(LauncherDocument& Doc, UserDialogs& Dialogs, RecoveryStore& Store);
} // namespace RecoveryCommands
