#pragma once
// The three ways of sending one message, each reading its inputs from the main
// window and writing the outcome into its status label: to one recipient, to
// a whole domain, to every user connected to this server. The broadcasts ask
// first. Each starts one "net.exe send" command, minimised, and does not wait.
#include "context.hpp"

namespace tarrow {

class MainWindow;

namespace SendDispatcher {

void sendToRecipient(Context& context, MainWindow& form);
void sendToDomain(Context& context, MainWindow& form);
void sendToAllUsers(Context& context, MainWindow& form);

}  // namespace SendDispatcher
}  // namespace tarrow
