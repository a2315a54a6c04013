#pragma once
// Draws that tests script: the problem a window or generator shows is chosen by the values it
// draws rather than searched for among seeds.
#include <gtest/gtest.h>

#include "shell/random.h"

#include <deque>
#include <initializer_list>

// Gives the listed values in order, then draws from the source that was current when it was
// made. A value not below the n it is drawn for fails the test, and so do values left undrawn.
// Reseeds go to that source.
class ScriptedDraws final : public DrawSource {
public:
    ScriptedDraws(std::initializer_list<int> values = {}) : values_(values), after_(drawSource()) {}
    template <class Values>
    explicit ScriptedDraws(const Values& values) : ScriptedDraws()
    {
        append(values);
    }
    ~ScriptedDraws() override
    {
        if (!values_.empty())
            ADD_FAILURE() << values_.size() << " scripted draws left undrawn";
    }
    ScriptedDraws(const ScriptedDraws&) = delete;
    ScriptedDraws& operator=(const ScriptedDraws&) = delete;
    template <class Values>
    void append(const Values& values) { values_.insert(values_.end(), values.begin(), values.end()); }

    int draw(int n) override
    {
        if (values_.empty())
            return after_.draw(n);
        const int v = values_.front();
        values_.pop_front();
        if (v < 0 || v >= n)
            ADD_FAILURE() << "scripted draw " << v << " is not below " << n;
        return v;
    }
    void reseed() override { after_.reseed(); }

private:
    std::deque<int> values_;
    DrawSource& after_;
};
