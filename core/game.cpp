// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "core/game.h"

#include "platform/runtime/runtimeerror.h"

#include <string>

Game::Game(std::function<float()> rnd)
    : rnd_(std::move(rnd))
{
}

void Game::NewGame(int count)
{
    EndGame();
    if (count < 1 || count > 8)
        return;
    for (int i = 1; i <= count; ++i) {
        auto card = std::make_shared<Scorecard>(rnd_);
        card->Listen([this](Scorecard::Change change, int) {
            if (change != Scorecard::Change::TurnStarted)
                return;
            handOverDue_ = true;
            for (const Listener &listener : handOverListeners_)
                listener();
        });
        players_.push_back(std::move(card));
    }
    PlayerCount = static_cast<std::int16_t>(count);
    CurrentPlayer = 1;
}

void Game::EndGame()
{
    players_.clear();
    PlayerCount = 0;
    CurrentPlayer = 0;
    handOverDue_ = false;
}

const std::shared_ptr<Scorecard> &Game::Player(int i) const
{
    if (i < 1 || i > int(players_.size()))
        throw platform::RuntimeError("Subscript out of range: " + std::to_string(i));
    return players_[std::size_t(i - 1)];
}

bool Game::Over() const
{
    return PlayerCount > 0 && Player(PlayerCount)->Totals().has_value();
}

std::int16_t Game::HandOver()
{
    if (!handOverDue_ || PlayerCount == 0)
        return 0;
    handOverDue_ = false;
    if (Over())
        return 0;
    CurrentPlayer = CurrentPlayer == PlayerCount ? std::int16_t(1) : static_cast<std::int16_t>(CurrentPlayer + 1);
    return CurrentPlayer;
}
