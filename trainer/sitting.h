#pragma once
// One sitting of Zenkla's test: the name the pupil gave, the problems answered and how many of
// them were right. Form1 keeps one; the name entry fills in the name and each judged answer is
// recorded until the tenth ends the test.
#include <QString>

#include <cstdint>

namespace zenkla {

struct Sitting {
    // The problems of one test.
    static constexpr int length = 10;

    QString name;                // as accepted in text2
    int answered = 0;            // problems answered (Form1's k)
    std::int16_t right = 0;      // of them answered right (Form1's kontr), which is the grade
    bool answerRecorded = false; // the problem on show has its answer recorded

    // Records the answer to the problem on show.
    void record(bool rightAnswer)
    {
        if (rightAnswer)
            ++right;
        ++answered;
        answerRecorded = true;
    }
    bool finished() const { return answered >= length; }
};

} // namespace zenkla
