#pragma once
// The answer to a use on something too heavy to lift: the hands push against it with a dull
// sound (and its small dull pulse) and the screen says so, so the key is never taken for broken.

struct GameObject;

void answerTooHeavy(const GameObject& object);
