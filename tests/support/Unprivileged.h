#pragma once
// Tests of what a read-only folder refuses need an ordinary user: the
// superuser writes into read-only folders. When the tests run as the
// superuser (as they do in CI), these helpers do the refused step as the
// user "nobody" instead of skipping it.

#include <filesystem>
#include <functional>
#include <string>

namespace kor::testing {

// Hands `folder` and everything in it to the user the refused step runs as,
// so that the folder is that user's own as it is a user's in real use.
// Nothing to do when the tests run as an ordinary user already.
void give_to_unprivileged_user(const std::filesystem::path& folder);

// Runs `step` as an ordinary user and returns what it returned. As the
// superuser, `step` runs in a child process that has given up the
// superuser's rights; it reports only through the returned text (a test
// failure inside it would stay in the child), and a child that dies says so
// in the text.
std::string as_unprivileged_user(const std::function<std::string()>& step);

// "read-only" when this user may enter and list `folder` but not write in it,
// otherwise what is different; a step checks it before trying the refused
// write, so that nothing else makes the write fail.
std::string folder_access(const std::filesystem::path& folder);

}  // namespace kor::testing
