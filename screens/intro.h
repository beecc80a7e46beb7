// The intro: the publisher's splash, then the developer's animated logo.
#pragma once

void CompanySplashStart();
void CompanySplash();
void CompanySplashEnd();
