The Anecdote
--------------------------------
"An anecdote," said Mr Hughes, writing the word on the board, "is a short, true story about something funny or interesting that happened to a real person. For homework I want each of you to find an anecdote in your own family and write it down. Ask your parents. Ask your grandparents. Everybody has one."

Jess knew at once which anecdote she would choose. Every Christmas, after the pudding, her grandfather told the same story. He told it so often that the whole family could say the words with him.

That evening she phoned him. "Granddad, can you tell me the story about the train again? It's for school."

Granddad was delighted. "It was the summer of 1968," he began. "I was nineteen years old and I had a job in a bakery in London. On my day off I wanted to go to the seaside at Brighton. I ran all the way to Victoria Station, but just as I got to the platform, the train was leaving. I jumped, and I caught the handle of the last door. A young woman pulled me inside. She had red hair and a green umbrella, and she said, 'You are either very brave or very silly.' That was your grandmother. We spent the whole day on the beach, and a year later we were married."

Jess wrote it all down. It was a lovely anecdote. But something was strange. Last Christmas, she remembered, the train had been going to Margate, not Brighton. And the Christmas before, Grandma's umbrella had been yellow.

So the next day after school she went to see her grandmother, who was working in her garden.

"Grandma, is Granddad's story about the train true?"

Grandma put down her spade and laughed until she had to sit on the garden bench. "True? Well, some of it. He did run to the station, and he did get on a train. But he did not jump onto a moving train. He got on the wrong one. He was going to Brighton, and he ended up in Cambridge."

"And you?" asked Jess.

"I was on the wrong train too," said Grandma. "I wanted to go to Oxford. We were the only two passengers who were lost, so we sat together and laughed all the way. We spent the day walking by the river in Cambridge and eating ice cream. And yes, I had an umbrella. It was blue."

Jess thought for a moment. Then she wrote both versions in her homework book, with a title at the top: "Two Trains and One Umbrella."

Mr Hughes gave her the top mark. Under her work he wrote: "An excellent anecdote. It shows that a good story grows a little every time it is told."
